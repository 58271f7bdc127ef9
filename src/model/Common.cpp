#include "Common.h"

#include "Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageLogger>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <ctime>

namespace {
const std::string kBase64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Index(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

QString StandardFolder(QStandardPaths::StandardLocation location)
{
    const QStringList found = QStandardPaths::standardLocations(location);
    QString folder = found.isEmpty() ? QDir::homePath() : found.first();
    return folder.replace('\\', '/');
}
} // namespace

QString OrganizationName()
{
    return QStringLiteral("Tarn&Willow");
}

QString ApplicationName()
{
    return QStringLiteral("Glimmerbox");
}

void SystemLogWrite(QString function, QString message)
{
    // The local time of day from the C library, which looks the time zone up
    // once (Qt's clock asks for it again on every call), and the line handed
    // to the message handler as it is, with no format to expand: lists write
    // a line per photo.
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local {};
    localtime_r(&now.tv_sec, &local);
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02u:%02u:%02u.%03u ", unsigned(local.tm_hour) % 100u,
                  unsigned(local.tm_min) % 100u, unsigned(local.tm_sec) % 100u,
                  unsigned(now.tv_nsec / 1000000) % 1000u);
    QString line = QLatin1String(stamp);
    line += function;
    if (!message.isEmpty())
        line += QLatin1String(". ") + message;
    // Latin-1, as the trace has always been (others become question marks).
    const QMessageLogContext context(nullptr, 0, nullptr, "default");
    qt_message_output(QtDebugMsg, context, QString::fromLatin1(line.toLatin1()));
}

QString GetMyDocuments()
{
    return StandardFolder(QStandardPaths::DocumentsLocation);
}

QString GetMyPictures()
{
    return StandardFolder(QStandardPaths::PicturesLocation);
}

bool RemoveDir(const QString& path)
{
    const QFileInfo root(path);
    if (root.isSymLink())
        return QFile::remove(root.absoluteFilePath());
    QDir dir(path);
    if (!dir.exists())
        return true;
    const QFileInfoList entries = dir.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::DirsFirst);
    for (const QFileInfo& entry : entries) {
        // A link is removed as a link; never follow it to delete elsewhere.
        const bool removed = (entry.isDir() && !entry.isSymLink())
                                 ? RemoveDir(entry.absoluteFilePath())
                                 : QFile::remove(entry.absoluteFilePath());
        if (!removed)
            return false;
    }
    return dir.rmdir(dir.absolutePath());
}

QString NearestExistingFolder(const QString& folder)
{
    QString path = folder.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(folder));
    while (!path.isEmpty()) {
        if (QFileInfo(path).isDir())
            return path;
        const qsizetype slash = path.lastIndexOf('/');
        if (slash < 0)
            break;
        const QString parent = slash == 0 ? QStringLiteral("/") : path.left(slash);
        if (parent == path)
            break;
        path = parent;
    }
    return QDir::homePath();
}

void OpenHelpFile(QString page, bool)
{
    const QString base = HelpBaseAddress();
    if (base.isEmpty()) {
        SystemLogWrite("OpenHelpFile", "no help address configured: " + page);
        return;
    }
    OpenExternal(base + page);
}

QString GetDownloadSourceName()
{
    QSettings settings(OrganizationName(), ApplicationName());
    const QString source = settings.value("Settings/DownloadSourceName").toString();
    return source.isEmpty() ? QString() : "s=" + source + "&";
}

QString TruncateString(QString text, int n, bool quoted)
{
    QString result = text.length() <= n ? text : "..." + text.right(n);
    return quoted ? "\"" + result + "\"" : result;
}

bool IsUnsafeTextCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

QString EscapeForLog(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == '\\')
            result += QStringLiteral("\\\\");
        else if (c == '\r')
            result += QStringLiteral("\\r");
        else if (c == '\n')
            result += QStringLiteral("\\n");
        else if (c == '\t')
            result += QStringLiteral("\\t");
        else if (!IsUnsafeTextCharacter(c))
            result += c;
        else if (c.unicode() <= 0xFF)
            result += QString::asprintf("\\x%02X", unsigned(c.unicode()));
        else
            result += QString::asprintf("\\u%04X", unsigned(c.unicode()));
    }
    return result;
}

namespace {
// Length of the valid UTF-8 sequence that starts at `p`, of which `left`
// bytes are there: 0 when none does (a stray continuation byte, a cut
// sequence, an overlong form, a surrogate, a code point above U+10FFFF).
int Utf8SequenceLength(const uchar* p, qsizetype left)
{
    const uchar lead = p[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80; // the range of the second byte
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    }
    return length;
}
} // namespace

QString EscapeBytesForLog(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    QString result;
    qsizetype runStart = 0; // start of the valid text not yet added
    qsizetype i = 0;
    while (i < size) {
        const int length = Utf8SequenceLength(data + i, size - i);
        if (length > 0) {
            i += length;
            continue;
        }
        result += EscapeForLog(QString::fromUtf8(bytes.constData() + runStart, i - runStart));
        result += QString::asprintf("\\x%02X", unsigned(data[i]));
        runStart = ++i;
    }
    result += EscapeForLog(QString::fromUtf8(bytes.constData() + runStart, size - runStart));
    return result;
}

int GenerateRandomNumber(int low, int high)
{
    if (high < low)
        return low;
    return QRandomGenerator::global()->bounded(low, high + 1);
}

bool StringCompareAscending(QString& a, QString& b)
{
    return a.compare(b, Qt::CaseSensitive) < 0;
}

QString PlainTextToXML(QString text)
{
    text.replace("&", "&amp;");
    text.replace("<", "&lt;");
    text.replace(">", "&gt;");
    text.replace("\"", "&quot;");
    text.replace("'", "&apos;");
    return text;
}

QString XMLToPlainText(QString text)
{
    // "&amp;" goes last, so that an escaped entity such as "&amp;lt;" comes
    // back as the text "&lt;" and not as "<".
    text.replace("&lt;", "<");
    text.replace("&gt;", ">");
    text.replace("&quot;", "\"");
    text.replace("&apos;", "'");
    text.replace("&amp;", "&");
    return text;
}

std::string Base64Encode(const unsigned char* bytes, unsigned int length)
{
    std::string out;
    out.reserve((length + 2) / 3 * 4);
    unsigned int i = 0;
    for (; i + 2 < length; i += 3) {
        const unsigned int v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
        out += kBase64Alphabet[(v >> 18) & 63];
        out += kBase64Alphabet[(v >> 12) & 63];
        out += kBase64Alphabet[(v >> 6) & 63];
        out += kBase64Alphabet[v & 63];
    }
    const unsigned int rest = length - i;
    if (rest > 0) {
        const unsigned int v = (bytes[i] << 16) | (rest == 2 ? bytes[i + 1] << 8 : 0);
        out += kBase64Alphabet[(v >> 18) & 63];
        out += kBase64Alphabet[(v >> 12) & 63];
        out += rest == 2 ? kBase64Alphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string Base64Decode(const std::string& text)
{
    std::string out;
    int group[4];
    int filled = 0;
    for (unsigned char c : text) {
        const int index = Base64Index(c);
        if (c == '=' || index < 0)
            break;
        group[filled++] = index;
        if (filled == 4) {
            out += char((group[0] << 2) | (group[1] >> 4));
            out += char(((group[1] & 15) << 4) | (group[2] >> 2));
            out += char(((group[2] & 3) << 6) | group[3]);
            filled = 0;
        }
    }
    if (filled >= 2) {
        for (int k = filled; k < 4; ++k)
            group[k] = 0;
        out += char((group[0] << 2) | (group[1] >> 4));
        if (filled == 3)
            out += char(((group[1] & 15) << 4) | (group[2] >> 2));
    }
    return out;
}

QString EncryptString(QString text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::string encoded =
        Base64Encode(reinterpret_cast<const unsigned char*>(utf8.constData()), unsigned(utf8.size()));
    return QString::fromLatin1(encoded.c_str());
}

QString DecryptString(QString text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::string decoded = Base64Decode(std::string(utf8.constData(), size_t(utf8.size())));
    const size_t zero = decoded.find('\0');
    const std::string upToZero = zero == std::string::npos ? decoded : decoded.substr(0, zero);
    return QString::fromUtf8(upToZero.c_str(), int(upToZero.size()));
}
