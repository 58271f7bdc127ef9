#pragma once

#include <QString>

// The output settings of a job: where the written files go and how they are
// delivered. Held by CUserProfile (the job's own, edited by step 3) and by
// every undo snapshot; a snapshot and its restore copy the whole struct.
struct SOutputSettings
{
    int OutputFolderStruct = 0; // 0 chosen folder, 1 source tree in it, 2 source folder, 3 its subfolder
    QString OutputFolder = QStringLiteral("Processed"); // subfolder name of mode 3
    QString DestPath;           // chosen folder, "/" separators
    bool Multipage = false;     // write one multi-page document
    QString OutputFormat = QStringLiteral("JPG"); // a format id, or the keep-original label
    bool OpenOutputFolder = true;
    bool OriginalDate = false;
    bool DeleteSource = false;
    bool DisableNotifications = false;
    bool HideProcessing = false;
    int Destination = 1;        // 1 folder, 2 e-mail message, 3 FTP or SFTP server
    bool UseSFTP = true;
    bool SaveOnDiskMail = false;
    bool SaveOnDiskFTP = false;
    bool SaveOnDiskFacebook = false;
    bool SaveOnDiskFlickr = false;
    QString FTPUser;
    QString FTPPassword;        // always in the EncryptString form
    QString FTPHost;
    QString FTPPort = QStringLiteral("22");
    QString FTPFolder = QStringLiteral("/");
};
