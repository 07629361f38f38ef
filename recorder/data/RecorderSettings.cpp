#include "recorder/data/RecorderSettings.h"

#include "recorder/data/IniValueText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Path(const char* name)
{
    return QStringLiteral("Initialization/") + QLatin1String(name);
}

// The store holds the (only scrambled) password: no one else may read it. A new file
// is created private before the store writes into it, so it is never readable by
// others even for a moment, and a wider one is narrowed; the store's own rewrite keeps
// the mode of the file it replaces.
void KeepPrivate(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    struct stat status = {};
    if (::stat(file.constData(), &status) == 0) {
        if ((status.st_mode & 077) != 0)
            ::chmod(file.constData(), status.st_mode & 0600);
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return;
    const int created = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (created >= 0)
        ::close(created);
}

} // namespace

QString RecorderSettings::text(const char* name, const QVariant& value) const
{
    if (value.typeId() != QMetaType::QStringList)
        return value.toString();
    // A hand-edited line with a bare comma reads back as a list, the spaces around the
    // commas gone; read the line as it was written instead.
    QFile file(m_store->fileName());
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray ini = file.readAll();
        if (const auto written = IniValueText(
                {ini.constData(), static_cast<std::size_t>(ini.size())}, "Initialization", name))
            return QString::fromUtf8(written->data(), static_cast<qsizetype>(written->size()));
    }
    return value.toStringList().join(QLatin1Char(','));
}

RecorderSettings::RecorderSettings()
    : m_store(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                          QStringLiteral("Pennivel by Kestrow"),
                                          QStringLiteral("Pennivel")))
{
}

RecorderSettings::RecorderSettings(const QString& path)
    : m_store(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
}

RecorderSettings::~RecorderSettings() = default;

int RecorderSettings::read(const IntKey& key, int defaultAtRead) const
{
    const QVariant value = m_store->value(Path(key.name));
    bool ok = false;
    const qlonglong number = text(key.name, value).trimmed().toLongLong(&ok);
    // A 32-bit value as the store holds it: signed, or the same bits read unsigned.
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max())
        return defaultAtRead;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

std::string RecorderSettings::read(const TextKey& key) const
{
    const QVariant value = m_store->value(Path(key.name));
    if (!value.isValid())
        return key.defaultValue;
    return text(key.name, value).toLocal8Bit().toStdString();
}

std::string RecorderSettings::read(const BytesKey& key) const
{
    const QVariant value = m_store->value(Path(key.name));
    if (!value.isValid())
        return key.defaultValue;
    return text(key.name, value).toLatin1().toStdString();
}

void RecorderSettings::write(const IntKey& key, int value)
{
    put(key.name, value);
}

void RecorderSettings::write(const TextKey& key, const std::string& value)
{
    put(key.name, QString::fromLocal8Bit(value.data(), static_cast<qsizetype>(value.size())));
}

void RecorderSettings::write(const BytesKey& key, const std::string& value)
{
    put(key.name, QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
}

bool RecorderSettings::contains(const IntKey& key) const
{
    return m_store->contains(Path(key.name));
}

bool RecorderSettings::storeExists() const
{
    return QFileInfo::exists(m_store->fileName());
}

QString RecorderSettings::location() const
{
    return m_store->fileName();
}

void RecorderSettings::put(const char* name, const QVariant& value)
{
    KeepPrivate(m_store->fileName());
    m_store->setValue(Path(name), value);
    m_store->sync();
}
