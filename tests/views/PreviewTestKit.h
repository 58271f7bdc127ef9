#pragma once

#include "CControlImage.h"
#include "SFilterRecord.h"

#include <QLabel>
#include <QString>
#include <QWidget>

#include <memory>

// Helpers of the preview tests: a window that hosts one preview view the way
// the step panels and the settings dialog do (a borderless view whose content
// widget holds the image label and the overlay label), photos made at test
// time and the filter records the tests apply.
namespace PreviewTestKit {

class Host
{
public:
    // A view of size, shown in a window of its own.
    explicit Host(QSize size = QSize(400, 300));
    ~Host();
    CControlImage* view = nullptr;
    QLabel* label = nullptr;
    QLabel* overlay = nullptr;
    QWidget window;
};

// Fills the format table and the user profile as the main window does.
void PrepareEngine();

// Writes a width x height photo of one colour ("red", "#00ff00", ...); the
// format follows the extension of name. Returns the path.
QString WritePhoto(const QString& folder, const QString& name, int width, int height,
                   const QString& colour = "gray50");
// A photo whose left half is red and right half blue.
QString WriteTwoColourPhoto(const QString& folder, const QString& name, int width, int height);

// Waits (events running) until the view's request has ended.
bool WaitIdle(CControlImage* view, int timeoutMs = 30000);

// RGBA of a pixel of an image, 8 bits per channel.
QRgb Pixel(const Magick::Image& image, int x, int y);

// Records.
SFilterRecord CropRecord(double left, double top, double width, double height, bool percent = false);
SFilterRecord ResizeRecord(double width, double height, int mode, bool keepAspect, bool percent = false);
SFilterRecord TextRecord(const QString& text, int anchor = 4, double size = 8);
SFilterRecord AutoRotateRecord();
// A record of an id the filter engine does not know: applying it fails.
SFilterRecord FailingRecord();

} // namespace PreviewTestKit
