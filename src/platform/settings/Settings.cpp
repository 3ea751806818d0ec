#include "platform/settings/Settings.h"

#include "platform/settings/IniFile.h"
#include "platform/vb/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <QStringList>
#include <QtDebug>

#include <cerrno>
#include <filesystem>
#include <map>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {
namespace {

constexpr long ErrPathFileAccess = 75;
// The cause of a write refused because the file itself could not be read.
constexpr int kUnreadable = -1;

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

// "/" and "\" separate the parts of a key in the file, so they, and "%"
// that introduces the escape, are written as %XX here. Case is folded
// because registry names compare case-insensitively.
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

QString FullKey(const QString& sectionPath, const QString& key)
{
    return sectionPath.isEmpty() ? EscapedName(key) : sectionPath + u'/' + EscapedName(key);
}

// ------------------------------------------------------------ the files

// What identifies one version of a file: a write replaces the file, so a
// new inode or size or time means someone wrote it.
struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified {};

    static Stamp Of(const QString& path)
    {
        Stamp s;
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
            s.exists = true;
            s.device = st.st_dev;
            s.inode = st.st_ino;
            s.size = st.st_size;
            s.modified = st.st_mtim;
        }
        return s;
    }

    bool operator==(const Stamp& o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size
               && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

struct Change {
    enum Kind { Set, RemoveKey, RemoveSection };
    Kind kind;
    QString key;
    QString value;

    void ApplyTo(ini::Entries& entries) const
    {
        switch (kind) {
        case Set: entries.insert(key, value); break;
        case RemoveKey: entries.remove(key); break;
        case RemoveSection: {
            // The keys below the section, not a key of its parent that has
            // the section's name.
            const QString prefix = key + u'/';
            auto it = entries.lowerBound(prefix);
            while (it != entries.end() && it.key().startsWith(prefix))
                it = entries.erase(it);
            break;
        }
        }
    }
};

// One settings file as this program knows it: what the file held when last
// read or written, the changes not written yet, and both together.
struct File {
    Stamp stamp;
    bool loaded = false;
    // Why the file could not be read (0: it could): writing it then would
    // replace values this program never saw.
    int readError = 0;
    ini::Entries stored;
    QList<Change> pending;
    ini::Entries current;

    void Reapply()
    {
        current = stored;
        for (const Change& change : pending)
            change.ApplyTo(current);
    }
};

std::map<QString, File>& Files()
{
    static std::map<QString, File> files;
    return files;
}

int& BatchDepth()
{
    static int depth = 0;
    return depth;
}

// Reads the file as `now` found it.
void Load(const QString& path, File& file, const Stamp& now)
{
    file.stored.clear();
    file.readError = 0;
    if (now.exists) {
        QFile source(path);
        if (source.open(QIODevice::ReadOnly))
            file.stored = ini::Parse(source.readAll());
        else
            file.readError = kUnreadable;
    }
    file.stamp = now;
    file.loaded = true;
    file.Reapply();
}

// The file as it is on disk now, with the changes not written yet on top.
File& Refreshed(const QString& path)
{
    File& file = Files()[path];
    const Stamp now = Stamp::Of(path);
    if (!file.loaded || !(now == file.stamp))
        Load(path, file, now);
    return file;
}

// ------------------------------------------------------------ writing

QString FailureText(const QString& path, int error)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    QString cause;
    QString remedy = QStringLiteral("Compruébelo y vuelva a intentarlo.");
    switch (error) {
    case kUnreadable:
        cause = QStringLiteral("no se puede leer ese archivo y se perderían los ajustes que guarda");
        remedy = QStringLiteral("Compruebe que tenga permiso de lectura sobre él y vuelva a intentarlo.");
        break;
    case ENOSPC:
    case EDQUOT:
        cause = QStringLiteral("el disco está lleno");
        remedy = QStringLiteral("Libere espacio en ese disco y vuelva a intentarlo.");
        break;
    case EROFS:
        cause = QStringLiteral("la carpeta '%1' está en un disco de solo lectura").arg(folder);
        remedy = QStringLiteral("Compruebe que ese disco admita escritura y vuelva a intentarlo.");
        break;
    case EACCES:
    case EPERM:
        cause = QStringLiteral("no tiene permiso para escribir en la carpeta '%1'").arg(folder);
        remedy = QStringLiteral("Pida permiso de escritura en esa carpeta a quien administre el equipo "
                                "y vuelva a intentarlo.");
        break;
    case ENOENT:
    case ENOTDIR:
    case EEXIST:
        cause = QStringLiteral("no se puede crear la carpeta '%1'").arg(folder);
        remedy = QStringLiteral("Compruebe que esa ruta sea una carpeta a la que tenga acceso "
                                "y vuelva a intentarlo.");
        break;
    case EIO:
        cause = QStringLiteral("el disco ha dado un error de lectura o escritura");
        remedy = QStringLiteral("Compruebe el disco y vuelva a intentarlo.");
        break;
    default:
        cause = QStringLiteral("el sistema ha respondido con el error %1").arg(error);
        break;
    }
    return QStringLiteral("No se han podido guardar los ajustes del programa en el archivo '%1' porque %2. %3")
        .arg(QDir::toNativeSeparators(path), cause, remedy);
}

[[noreturn]] void ThrowWriteFailure(const QString& path, int error)
{
    throw vb::VbError(ErrPathFileAccess, FailureText(path, error), QDir::toNativeSeparators(path));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now, reporting what close reports (a delayed write error).
    int release()
    {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};

// Hidden working files beside the settings file: the lock that keeps two
// programs from writing it at once, and the new version before its rename.
QString Beside(const QString& path, const char* suffix)
{
    const QFileInfo info(path);
    return info.dir().filePath(u'.' + info.fileName() + QLatin1String(suffix));
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Writes the file's entries, as the file holds them now plus the pending
// changes, into a complete new file that replaces it in one rename. The
// lock makes the re-read, the merge and the rename one step for every
// program that writes the file.
void WriteFile(const QString& path, File& file)
{
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(QFileInfo(path).absolutePath()).constData()),
                                        made);
    if (made)
        ThrowWriteFailure(path, made.value());

    const QByteArray lockName = QFile::encodeName(Beside(path, ".bloqueo"));
    const Descriptor lock(::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.get() < 0)
        ThrowWriteFailure(path, errno);
    while (::flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            ThrowWriteFailure(path, errno);
    }

    // Another program may have written the file since it was read here.
    const Stamp before = Stamp::Of(path);
    if (!(before == file.stamp))
        Load(path, file, before);
    if (file.readError != 0)
        ThrowWriteFailure(path, file.readError);
    if (file.current == file.stored) {
        file.pending.clear();
        return;
    }

    const QByteArray target = QFile::encodeName(path);
    const QByteArray tempName = QFile::encodeName(Beside(path, ".nuevo"));
    Descriptor temp(::open(tempName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (temp.get() < 0)
        ThrowWriteFailure(path, errno);
    int error = 0;
    struct stat old {};
    if (before.exists && ::stat(target.constData(), &old) == 0)
        ::fchmod(temp.get(), old.st_mode & 07777);
    if (!WriteAll(temp.get(), ini::Serialize(file.current)) || ::fdatasync(temp.get()) != 0)
        error = errno;
    if (temp.release() != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(tempName.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(tempName.constData());
        ThrowWriteFailure(path, error);
    }
    // The rename itself lasts once the folder is synced.
    const Descriptor folder(::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());

    file.stored = file.current;
    file.pending.clear();
    file.stamp = Stamp::Of(path);
}

// A change: held while a batch is open, written at once otherwise. A change
// that cannot be written outside a batch is dropped, so what reads give is
// what the file holds.
void Apply(const QString& path, File& file, Change change)
{
    change.ApplyTo(file.current);
    file.pending.append(std::move(change));
    if (BatchDepth() > 0)
        return;
    try {
        WriteFile(path, file);
    } catch (...) {
        file.pending.removeLast();
        file.Reapply();
        throw;
    }
}

void WritePending()
{
    for (auto& [path, file] : Files()) {
        if (!file.pending.isEmpty())
            WriteFile(path, file);
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
    const File& file = Refreshed(FilePath(app));
    const auto it = file.current.constFind(FullKey(SectionPath(section), key));
    return it == file.current.cend() ? def : it.value();
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    // As VB: a value needs a section and a key. An empty key would otherwise
    // land on the section's own name.
    const QString path = SectionPath(section);
    if (path.isEmpty() || key.isEmpty())
        vb::ThrowInvalidCall();
    const QString filePath = FilePath(app);
    File& file = Refreshed(filePath);
    const QString fullKey = FullKey(path, key);
    // The window's state is saved key by key at every close: a value that is
    // already stored leaves the file untouched.
    const auto it = file.current.constFind(fullKey);
    if (it != file.current.cend() && it.value() == value)
        return;
    Apply(filePath, file, Change {Change::Set, fullKey, value});
}

void DeleteSetting(const QString& app, const QString& section, const QString& key)
{
    const QString path = SectionPath(section);
    if (path.isEmpty())
        return;
    const QString filePath = FilePath(app);
    File& file = Refreshed(filePath);
    if (!key.isEmpty()) {
        const QString fullKey = FullKey(path, key);
        if (file.current.contains(fullKey))
            Apply(filePath, file, Change {Change::RemoveKey, fullKey, {}});
        return;
    }
    const auto first = file.current.lowerBound(path + u'/');
    if (first != file.current.cend() && first.key().startsWith(path + u'/'))
        Apply(filePath, file, Change {Change::RemoveSection, path, {}});
}

Batch::Batch() : m_outermost(BatchDepth() == 0) { ++BatchDepth(); }

Batch::~Batch()
{
    if (m_outermost) {
        try {
            WritePending();
        } catch (const vb::VbError& error) {
            qWarning().noquote() << error.description();
        }
    }
    --BatchDepth();
}

void Batch::Commit()
{
    if (m_outermost)
        WritePending();
}

void Batch::Discard()
{
    if (!m_outermost)
        return;
    for (auto& [path, file] : Files()) {
        if (!file.pending.isEmpty()) {
            file.pending.clear();
            file.Reapply();
        }
    }
}

} // namespace settings
