#pragma once

#include <QString>
#include <QtGlobal>

// Exchange record between the image engine and the RAW decoder (CDCRaw),
// made on the stack for one call of CDCRaw::Convert.
struct SRAWImage
{
    QString inputPath;                 // in: file to decode
    unsigned char* buffer = nullptr;   // out: width x height x colours bytes (calloc); caller frees
    quint64 identifiedWidth = 0;       // out: size as identified (after the camera's rotation)
    quint64 identifiedHeight = 0;
    QString dateTime;                  // out: "YYYY:MM:DD HH:MM:SS", empty if none
    QString make;                      // out: camera maker as the decoder names it
    QString model;                     // out: camera model as the decoder names it
    void* progressData = nullptr;      // in: handed back to the progress callback
    quint64 outputWidth = 0;           // out: size of the decoded buffer
    quint64 outputHeight = 0;
    quint8 colors = 0;                 // out: samples per pixel (3 RGB, 1 grey)
    bool identifyOnly = false;         // in: identify only, decode nothing
    qint32 whiteBalance = 0;           // in: 0 camera, 1 auto, 2 none
    qint32 highlight = 0;              // in: 0 clip, 1 unclip, 2 blend, 3+ rebuild
    qint32 demosaic = 0;               // in: 0 decoder default, n > 0 quality n - 1
};
