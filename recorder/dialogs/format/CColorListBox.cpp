#include "recorder/dialogs/format/CColorListBox.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <array>

namespace {

// The names are what a screen reader announces for each bar.
constexpr std::array kPalette{
    PaletteColor{ColorRef{0xFF8080}, "Light blue"}, PaletteColor{ColorRef{0xC0C0C0}, "Silver"},
    PaletteColor{ColorRef{0xFF00FF}, "Magenta"},    PaletteColor{ColorRef{0xC080FF}, "Pink"},
    PaletteColor{ColorRef{0xFFFF00}, "Cyan"},       PaletteColor{ColorRef{0x00FF00}, "Green"},
    PaletteColor{ColorRef{0x00FFFF}, "Yellow"},     PaletteColor{ColorRef{0x0000FF}, "Red"},
    PaletteColor{ColorRef{0x000080}, "Maroon"},     PaletteColor{ColorRef{0x800000}, "Navy"},
    PaletteColor{ColorRef{0x800080}, "Purple"},     PaletteColor{ColorRef{0xFF0000}, "Blue"},
    PaletteColor{ColorRef{0xFF0080}, "Violet"},     PaletteColor{ColorRef{0x8000FF}, "Rose"},
    PaletteColor{ColorRef{0x000000}, "Black"},      PaletteColor{ColorRef{0xFFFFFF}, "White"},
};

int Brightness(ColorRef c)
{
    return c.red() + c.green() + c.blue();
}

// Paints each item as a solid bar; the selected one gets a frame in the inverse colour.
class ColorBarDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const ColorRef color{index.data(Qt::UserRole).toUInt()};
        painter->save();
        painter->fillRect(option.rect, color.toQColor());
        if (option.state & QStyle::State_Selected) {
            painter->setPen(color.inverse().toQColor());
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), CColorListBox::kItemHeight);
    }
};

} // namespace

std::span<const PaletteColor> PaletteColors()
{
    return kPalette;
}

QString ColorName(ColorRef color)
{
    for (const PaletteColor& entry : kPalette)
        if (entry.color == color)
            return QString::fromLatin1(entry.name);
    return QStringLiteral("Red %1, green %2, blue %3")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue());
}

CColorListBox::CColorListBox(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("colorList"));
    setItemDelegate(new ColorBarDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
}

void CColorListBox::addColor(ColorRef color)
{
    int row = 0;
    while (row < count() && compare(color, colorAt(row)) >= 0)
        ++row;
    auto* item = new QListWidgetItem;
    item->setData(Qt::UserRole, QVariant::fromValue(color.value));
    item->setData(Qt::AccessibleTextRole, ColorName(color));
    item->setToolTip(ColorName(color));
    insertItem(row, item);
}

ColorRef CColorListBox::colorAt(int row) const
{
    return ColorRef{item(row)->data(Qt::UserRole).toUInt()};
}

int CColorListBox::rowOf(ColorRef color) const
{
    for (int row = 0; row < count(); ++row)
        if (colorAt(row) == color)
            return row;
    return -1;
}

int CColorListBox::compare(ColorRef a, ColorRef b)
{
    if (a == b)
        return 0;
    const int sumA = Brightness(a);
    const int sumB = Brightness(b);
    if (sumA != sumB)
        return sumA > sumB ? -1 : 1;
    const bool allAtLeast = a.blue() >= b.blue() && a.green() >= b.green() && a.red() >= b.red();
    return allAtLeast ? 1 : -1;
}
