#include "JobFileProperties.h"

#include "CUserProfile.h"
#include "FilterDescriptions.h"

#include <QCoreApplication>

namespace {
using P = CUserProfile;
using R = EPropertyRead;

const QList<SJobProperty> kScript = {
    {"DisableNotifications", &P::DisableNotifications, R::OneFlag},
    {"HideProcessing", &P::HideProcessing, R::OneFlag},
};

const QList<SJobProperty> kRename = {
    {"FilenameFormat", &P::FilenameFormat, R::Text}, {"CounterStart", &P::CounterStart, R::Int64},
    {"CountStep", &P::CountStep, R::Int64},          {"CounterDigits", &P::CounterDigits, R::Int32},
    {"CounterReset", &P::CounterReset, R::Flag},     {"DateType", &P::DateType, R::Int32},
    {"DateFormat", &P::DateFormat, R::Int32},        {"ShowTime", &P::ShowTime, R::Int32},
    {"TimeFormat", &P::TimeFormat, R::Int32},        {"SearchFor", &P::SearchFor, R::Text},
    {"ReplaceWith", &P::ReplaceWith, R::Text},       {"PresetRename", &P::PresetRename, R::Int32},
    {"ChangeCase", &P::ChangeCase, R::Int32},        {"LowerCaseExt", &P::LowerCaseExt, R::Flag},
};

const QList<SJobProperty> kOutput = {
    {"Destination", &P::Destination, R::Int32},
    {"OutputFolderStruct", &P::OutputFolderStruct, R::Int32},
    {"OutputFolder", &P::OutputFolder, R::Text},
    {"DestPath", &P::DestPath, R::Text},
    {"FTPUser", &P::FTPUser, R::Text},
    {"FTPPassword", &P::FTPPassword, R::Text},
    {"FTPHost", &P::FTPHost, R::Text},
    {"FTPFolder", &P::FTPFolder, R::Text},
    {"FTPPort", &P::FTPPort, R::Text},
    {"UseSFTP", &P::UseSFTP, R::Flag},
    {"SaveOnDiskFacebook", &P::SaveOnDiskFacebook, R::Flag},
    {"SaveOnDiskFlickr", &P::SaveOnDiskFlickr, R::Flag},
    {"SaveOnDiskFTP", &P::SaveOnDiskFTP, R::Flag},
    {"SaveOnDiskMail", &P::SaveOnDiskMail, R::Flag},
    {"OpenOutputFolder", &P::OpenOutputFolder, R::Flag},
    {"OriginalDate", &P::OriginalDate, R::Flag},
    {"DeleteSource", &P::DeleteSource, R::Flag},
};

// PNGComp is an int that is read back as a flag. The size cap keeps the
// range of the format options (the writer counts it in bytes).
const QList<SJobProperty> kFormat = {
    {"OutputFormat", &P::OutputFormat, R::OutputFormat},
    {"Quality", &P::Quality, R::Int32},
    {"FileSize", &P::FileSize, R::Int64, SFormatSettings::MinFileSizeKB, SFormatSettings::MaxFileSizeKB},
    {"FixedSize", &P::FixedSize, R::Flag},
    {"Interlaced", &P::Interlaced, R::Int32},
    {"PNGComp", &P::PNGComp, R::Flag},
    {"PdfAlg", &P::PdfAlg, R::Int32},
    {"TiffAlg", &P::TiffAlg, R::Int32},
    {"TiffType", &P::TiffType, R::Int32},
    {"JpegType", &P::JpegType, R::Int32},
    {"CustomProfile", &P::CustomProfile, R::Text},
    {"Multipage", &P::Multipage, R::Flag},
    {"DefaultFormat", &P::DefaultFormat, R::Text},
};

const QList<SJobProperty> kInterface = {
    {"Step1Preview", &P::Step1Preview, R::Flag},
    {"Step2Preview", &P::Step2Preview, R::Flag},
};

// Written by other producers only (folder-monitoring jobs).
const QList<SJobProperty> kMonitor = {
    {"Id", &P::Id, R::Text},           {"Name", &P::Name, R::Text},
    {"Folder", &P::Folder, R::Text},   {"PicCount", &P::PicCount, R::Int32},
    {"CreateLog", &P::CreateLog, R::Flag}, {"Overwrite", &P::Overwrite, R::Flag},
    {"SilentMode", &P::SilentMode, R::Flag}, {"Type", &P::Type, R::Flag},
    {"Host", &P::Host, R::Text},
};

const QList<SJobProperty> kNone;
} // namespace

const QList<SJobProperty>& JobPropertiesOf(const QString& className)
{
    if (className == QLatin1String("Script"))
        return kScript;
    if (className == QLatin1String("Rename"))
        return kRename;
    if (className == QLatin1String("Output"))
        return kOutput;
    if (className == QLatin1String("Format"))
        return kFormat;
    if (className == QLatin1String("Interface"))
        return kInterface;
    if (className == QLatin1String("Monitor"))
        return kMonitor;
    return kNone;
}

QString KeepFormatText()
{
    return QCoreApplication::translate("QObject", FilterDescription(52).toUtf8().constData());
}
