#include "recorder/app/InkIconEngine.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace {

// The colour every toolbar icon draws its outlines with.
const QString kInk = QStringLiteral("#233043");

class InkIconEngine : public QIconEngine {
  public:
    explicit InkIconEngine(QByteArray svg) : m_svg(std::move(svg)) {}

    QIconEngine* clone() const override { return new InkIconEngine(m_svg); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QSvgRenderer renderer(inked());
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return drawn;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

  private:
    QByteArray inked() const
    {
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        if (text.lightness() < 128)
            return m_svg;
        QByteArray svg = m_svg;
        return svg.replace(kInk.toLatin1(), text.name().toLatin1());
    }

    QByteArray m_svg;
};

} // namespace

QIcon InkIcon(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QIcon(path);
    return QIcon(new InkIconEngine(file.readAll()));
}
