#include "PreviewTestKit.h"

#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CUserProfile.h"
#include "MagickCompat.h"

#include <QTest>

namespace PreviewTestKit {

Host::Host(QSize size)
{
    view = new CControlImage(&window);
    view->setFrameShape(QFrame::NoFrame);
    view->setWidgetResizable(true);
    auto* contents = new QWidget;
    view->setWidget(contents);
    label = new QLabel(contents);
    label->setAlignment(Qt::AlignCenter);
    overlay = new QLabel(contents);
    overlay->hide();
    view->imageLabel = label;
    view->overlayLabel = overlay;
    view->resize(size);
    window.resize(size);
    window.show();
}

Host::~Host()
{
    delete view;
}

void PrepareEngine()
{
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();
    CUserProfile::GetInstance()->previewPath = "shown";
}

QString WritePhoto(const QString& folder, const QString& name, int width, int height, const QString& colour)
{
    const QString path = folder + "/" + name;
    Magick::Image photo(Magick::Geometry(size_t(width), size_t(height)), Magick::Color(colour.toStdString()));
    photo.depth(8);
    photo.write(path.toStdString());
    return path;
}

QString WriteTwoColourPhoto(const QString& folder, const QString& name, int width, int height)
{
    const QString path = folder + "/" + name;
    Magick::Image photo(Magick::Geometry(size_t(width), size_t(height)), Magick::Color("red"));
    photo.fillColor(Magick::Color("blue"));
    photo.draw(Magick::DrawableRectangle(width / 2, 0, width - 1, height - 1));
    photo.depth(8);
    photo.write(path.toStdString());
    return path;
}

bool WaitIdle(CControlImage* view, int timeoutMs)
{
    return QTest::qWaitFor([view] { return !view->busy; }, timeoutMs);
}

QRgb Pixel(const Magick::Image& image, int x, int y)
{
    // An image without alpha may hold anything in its opacity samples (a
    // scale leaves them unset), so alpha is read only where there is one.
    auto& source = const_cast<Magick::Image&>(image);
    unsigned char rgba[4] = {0, 0, 0, 255};
    source.write(x, y, 1, 1, MagickCompat::HasAlpha(source) ? "RGBA" : "RGB", Magick::CharPixel, rgba);
    return qRgba(rgba[0], rgba[1], rgba[2], rgba[3]);
}

SFilterRecord CropRecord(double left, double top, double width, double height, bool percent)
{
    SFilterRecord record;
    record.filterId = 5020;
    record.name = "Crop";
    record.numParams = 5;
    record.params[0] = left;
    record.params[1] = top;
    record.params[2] = width;
    record.params[3] = height;
    record.params[4] = percent ? 1 : 0;
    record.active = 1;
    return record;
}

SFilterRecord ResizeRecord(double width, double height, int mode, bool keepAspect, bool percent)
{
    SFilterRecord record;
    record.filterId = 5040;
    record.name = "Resize";
    record.numParams = 6;
    record.params[0] = width;
    record.params[1] = height;
    record.params[2] = keepAspect ? 1 : 0;
    record.params[3] = mode;
    record.params[4] = percent ? 1 : 0;
    record.active = 1;
    return record;
}

SFilterRecord TextRecord(const QString& text, int anchor, double size)
{
    SFilterRecord record;
    record.filterId = 1000;
    record.name = "Text";
    record.numParams = 32;
    record.params[1] = anchor;
    record.params[9] = size;
    record.params[14] = double(0xFFFFFFFF); // white
    record.numTexts = 3;
    record.texts[0] = text;
    record.texts[1] = "DejaVu Sans";
    record.active = 1;
    return record;
}

SFilterRecord AutoRotateRecord()
{
    SFilterRecord record;
    record.filterId = 5000;
    record.name = "Auto Rotate";
    record.active = 1;
    return record;
}

SFilterRecord FailingRecord()
{
    SFilterRecord record;
    record.filterId = 9999;
    record.name = "Broken";
    record.active = 1;
    return record;
}

} // namespace PreviewTestKit
