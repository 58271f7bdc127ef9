#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

// One item of a thumbnail view: the photo's texts, what the loader thread
// has done with it, and which icon of the view's icon list it shows. A plain
// value, copied in and out of the view's record list under the view's mutex.
struct SThumb
{
    QString path;        // full path given to AddItem
    QString name;        // file name without its extension
    QString type;        // extension, upper-cased
    QString location;    // folder, without the last "/"
    QString tooltip;     // AddItem's text, then the photo's properties text once loaded
    QString dateTaken;   // "yyyy-MM-dd hh:mm"
    QString dimensions;  // "4000 x 3000"
    QString camera;      // maker's first word and model
    QString size;        // "120.56 KB", "1.20 MB", "N/A"
    QString coordinates; // GPS latitude and longitude
    QString orientation; // "Top-Left" ... "Left-Bottom"
    QString altitude;    // "123.4 m"
    QString fStop;       // "f/2.8"
    QString exposure;    // "1/250 sec"
    QString iso;         // "ISO-100"
    QString dpi;         // "72 x 72"
    QString colour;      // "sRGB", "Uncalibrated" or empty
    bool enabled = true;
    // The detail texts are the file's (read, or kept from an earlier read);
    // false while a new photo waits for its read.
    bool detailed = false;
    bool loaded = false;     // the loader has dealt with the record
    bool hasOwnIcon = false; // iconIndex names an icon made for this record
    qint32 iconIndex = 0;    // index into the view's icon list
    bool pending = false;    // pendingImage waits to become the icon
    // Made by the loader thread; the GUI thread turns it into the icon and
    // drops it. A value, so that a record removed or a list destroyed before
    // that happens frees it with the record.
    QImage pendingImage;
};

// Moved in memory as a whole when a list shifts its elements (removing a
// photo from a list of thousands).
Q_DECLARE_TYPEINFO(SThumb, Q_RELOCATABLE_TYPE);
