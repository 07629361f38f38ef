#pragma once

#include <QImage>
#include <QProcess>
#include <string>

// The first page of a PDF file as the paper would show it at 300 dpi (pdftoppm), or a
// null image when it cannot be rendered.
inline QImage RenderPdfPage(const std::string& pdf)
{
    const QString prefix = QString::fromStdString(pdf + "-page");
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                  QStringLiteral("-singlefile"), QStringLiteral("-png"),
                  QString::fromStdString(pdf), prefix});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}
