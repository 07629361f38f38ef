#pragma once

#include <array>

// Every value of the recorder's "Initialization" section: its key, its type and the
// default a read gives when the key is missing. No other file names a key.
struct IntKey {
    const char* name;
    int defaultValue;
};

// Text the user sees or types, held as bytes in the local 8-bit encoding.
struct TextKey {
    const char* name;
    const char* defaultValue;
};

// A byte string that need not be text; stored one Latin-1 character per byte.
struct BytesKey {
    const char* name;
    const char* defaultValue;
};

namespace Key {

inline constexpr IntKey TipClosing{"TipClosing", 0};
// Deleting a Tip reads it with this default; showing the Tip at closing asks with 1.
inline constexpr IntKey TipAtClosing{"TipAtClosing", 0};
inline constexpr int kTipAtClosingForShowing = 1;
inline constexpr IntKey InfoAlwaysTip{"m_InfoAlwaysTip", 1};
inline constexpr IntKey DisableScreen{"m_DisableScreen", 0};
inline constexpr IntKey Alignment{"m_Alignment", 1};
inline constexpr IntKey FontHeight{"lfHeight", -64};
inline constexpr IntKey FontWeight{"lfWeight", 400};
inline constexpr TextKey FontFaceName{"lfFaceName", "Times New Roman"};
inline constexpr TextKey FontItalic{"lfItalic", ""};
inline constexpr TextKey Color{"Color", "0"};
inline constexpr TextKey ColorBackground{"ColorBckgrnd", "12615935"};
inline constexpr std::array<TextKey, 10> SearchTexts{{
    {"Text0", "Love"},
    {"Text1", "Family"},
    {"Text2", "Career"},
    {"Text3", "Relationships"},
    {"Text4", "Father"},
    {"Text5", "Mother"},
    {"Text6", "People"},
    {"Text7", "Friends"},
    {"Text8", "Pain"},
    {"Text9", "Hobby"},
}};
inline constexpr IntKey UsePassword{"UsePsswrd", 0};
// 1 = no password set yet, 0 = one is set; anything else means a damaged setup.
inline constexpr IntKey FirstTimePassword{"FirstTimePsswrd", 2};
// A lone seed character: the stored form of the empty password.
inline constexpr BytesKey Password{"Passwrd", "A"};
inline constexpr IntKey DateFormat{"DateFormat", 0};

// Where the window was, and which of its bars were shown, when it last closed: Qt's own
// geometry record, restored onto a screen that still exists.
inline constexpr BytesKey WindowGeometry{"WindowGeometry", ""};
inline constexpr IntKey ToolbarShown{"ToolbarShown", 1};
inline constexpr IntKey StatusBarShown{"StatusBarShown", 1};

} // namespace Key
