#include "ImagingTestKit.h"

#include <QFile>
#include <QProcess>

namespace ImagingTestKit {

bool RunTool(const QString& program, const QStringList& arguments, QString* output)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString Identify(const QString& path, const QString& format)
{
    QString output;
    if (!RunTool("identify", {"-format", format, path + "[0]"}, &output))
        return QString();
    return output.trimmed();
}

QString MakePhotoPng(const QString& folder, const QString& name, int width, int height)
{
    const QString path = folder + "/" + name;
    const QString size = QString("%1x%2").arg(width).arg(height);
    RunTool("convert", {"-size", size, "gradient:red-blue", "(", "-size", size, "gradient:green-yellow",
                        "-rotate", "90", "-resize", size + "!", ")", "-compose", "plus", "-composite",
                        "-depth", "8", "PNG24:" + path});
    return path;
}

QByteArray FileStart(const QString& path, int bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(bytes);
}

} // namespace ImagingTestKit
