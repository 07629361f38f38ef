#pragma once

#include "recorder/data/SettingsKeys.h"

#include <QString>
#include <memory>
#include <string>

class QSettings;

// The recorder's settings section on the per-user store. Integers are kept as
// integers, text as text; a missing key, a missing store and a value that is not of
// the key's type all read as the key's default. Every write reaches the disk at once.
class RecorderSettings {
  public:
    // The user's own store: organisation "Pennivel by Kestrow", application "Pennivel".
    RecorderSettings();
    // A store in the INI file at `path`; tests and tools use it to stay off the user's.
    explicit RecorderSettings(const QString& path);
    ~RecorderSettings();
    RecorderSettings(const RecorderSettings&) = delete;
    RecorderSettings& operator=(const RecorderSettings&) = delete;

    int read(const IntKey& key) const { return read(key, key.defaultValue); }
    int read(const IntKey& key, int defaultAtRead) const;
    std::string read(const TextKey& key) const;
    std::string read(const BytesKey& key) const;

    void write(const IntKey& key, int value);
    void write(const TextKey& key, const std::string& value);
    void write(const BytesKey& key, const std::string& value);

    bool contains(const IntKey& key) const;
    // True when the store holds anything at all, so a brand-new user can be told apart
    // from one whose store lost a value.
    bool storeExists() const;
    QString location() const;

  private:
    QString text(const char* name, const QVariant& value) const;
    void put(const char* name, const QVariant& value);

    std::unique_ptr<QSettings> m_store;
};
