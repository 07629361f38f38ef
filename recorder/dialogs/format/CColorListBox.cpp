#include "recorder/dialogs/format/CColorListBox.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <array>

namespace {

constexpr std::array kPalette{
    ColorRef{0xFF8080}, ColorRef{0xC0C0C0}, ColorRef{0xFF00FF}, ColorRef{0xC080FF},
    ColorRef{0xFFFF00}, ColorRef{0x00FF00}, ColorRef{0x00FFFF}, ColorRef{0x0000FF},
    ColorRef{0x000080}, ColorRef{0x800000}, ColorRef{0x800080}, ColorRef{0xFF0000},
    ColorRef{0xFF0080}, ColorRef{0x8000FF}, ColorRef{0x000000}, ColorRef{0xFFFFFF},
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

std::span<const ColorRef> PaletteColors()
{
    return kPalette;
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
