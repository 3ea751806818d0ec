#include "platform/settings/Settings.h"

#include "platform/vb/VbError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace settings {
namespace {

constexpr long ErrPathFileAccess = 75;

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

// QSettings treats "/" and "\" as group separators and collapses them, so
// they, and "%" that introduces the escape, are written as %XX here. Case is
// folded because registry names compare case-insensitively.
QString EscapedName(const QString& name)
{
    QString out;
    for (const QChar c : name.toCaseFolded()) {
        if (c == u'%')
            out += QStringLiteral("%25");
        else if (c == u'/')
            out += QStringLiteral("%2F");
        else if (c == u'\\')
            out += QStringLiteral("%5C");
        else
            out += c;
    }
    return out;
}

QString SectionPath(const QString& section)
{
    QStringList parts;
    for (const QString& component : section.split(u'\\', Qt::SkipEmptyParts))
        parts += EscapedName(component);
    return parts.join(u'/');
}

QString FullKey(const QString& section, const QString& key)
{
    const QString path = SectionPath(section);
    return path.isEmpty() ? EscapedName(key) : path + u'/' + EscapedName(key);
}

void CheckWritten(QSettings& store)
{
    store.sync();
    if (store.status() != QSettings::NoError) {
        throw vb::VbError(ErrPathFileAccess, QStringLiteral("Error de acceso a la ruta o al archivo"),
                          store.fileName());
    }
}

} // namespace

QString Folder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    const QString fromEnvironment = qEnvironmentVariable("DUZ_SETTINGS_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

void SetFolder(const QString& folder) { FolderOverride() = folder; }

QString FilePath(const QString& app)
{
    QString name = app;
    name.replace(u'/', u'_').replace(u'\\', u'_');
    return QDir(Folder()).filePath(name + QStringLiteral(".ini"));
}

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& def)
{
    if (key.isEmpty())
        return def;
    QSettings store(FilePath(app), QSettings::IniFormat);
    const QVariant value = store.value(FullKey(section, key));
    return value.isValid() ? value.toString() : def;
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    // As VB: a value needs a section and a key. An empty key would otherwise
    // land on the section's own name.
    if (SectionPath(section).isEmpty() || key.isEmpty())
        vb::ThrowInvalidCall();
    QDir().mkpath(Folder());
    QSettings store(FilePath(app), QSettings::IniFormat);
    const QString fullKey = FullKey(section, key);
    // The window's state is saved key by key at every close: a value that is
    // already stored leaves the file untouched.
    if (store.contains(fullKey) && store.value(fullKey).toString() == value)
        return;
    store.setValue(fullKey, value);
    CheckWritten(store);
}

void DeleteSetting(const QString& app, const QString& section, const QString& key)
{
    const QString path = SectionPath(section);
    if (path.isEmpty() || !QFileInfo::exists(FilePath(app)))
        return;
    QSettings store(FilePath(app), QSettings::IniFormat);
    store.beginGroup(path);
    if (!key.isEmpty()) {
        store.remove(EscapedName(key));
    } else {
        // Entry by entry: removing the group itself would also take a key of
        // the parent section that happens to have the section's name.
        for (const QString& child : store.childKeys())
            store.remove(child);
        for (const QString& child : store.childGroups())
            store.remove(child);
    }
    store.endGroup();
    CheckWritten(store);
}

} // namespace settings
