#include "CDialogOverwrite.h"

#include "CControlImage.h"
#include "CDialogOverwriteRename.h"
#include "CImageCache.h"
#include "CPromptSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

CDialogOverwrite::CDialogOverwrite(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    scrollImage = new CControlImage(this);
    scrollImage->setObjectName("scrollImage");
    scrollImage->setMinimumSize(320, 240);
    scrollImage->setFrameShape(QFrame::NoFrame);
    scrollImage->setWidgetResizable(true);
    auto* contents = new QWidget;
    scrollImage->setWidget(contents);
    viewImage = new QLabel(contents);
    viewImage->setObjectName("viewImage");
    viewImage->setAlignment(Qt::AlignCenter);
    viewImage->setBackgroundRole(QPalette::Base);
    scrollImage->imageLabel = viewImage;
    scrollImage->panelTransition = &panelTransition;
    layout->addWidget(scrollImage, 1);

    // Cells of the minimal icon strip: 0 fit, 1 actual pixels (1:1), 2 zoom in,
    // 3 zoom out.
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addStretch();
    const struct { const char* name; int column; bool (CControlImage::*slot)(); } zooms[] = {
        {"buttonMinZoom", 0, &CControlImage::ZoomToFit},
        {"buttonMaxZoom", 1, &CControlImage::ZoomToMatch},
        {"buttonZoomIn", 2, &CControlImage::ZoomIn},
        {"buttonZoomOut", 3, &CControlImage::ZoomOut},
    };
    for (const auto& zoom : zooms) {
        QToolButton* button = AddZoomButton(zoom.name, zoom.column);
        connect(button, &QToolButton::clicked, scrollImage, zoom.slot);
        zoomRow->addWidget(button);
    }
    zoomRow->addStretch();
    layout->addLayout(zoomRow);
    textMessage = new QLabel(this);
    textMessage->setTextFormat(Qt::PlainText); // a file name may look like markup
    textMessage->setWordWrap(true);
    layout->addWidget(textMessage);
    textSize = new QLabel(this);
    layout->addWidget(textSize);

    auto* row = new QHBoxLayout;
    const struct { int code; const char* text; } buttons[] = {
        {Yes, QT_TR_NOOP("Yes")},     {YesToAll, QT_TR_NOOP("Yes to All")},
        {No, QT_TR_NOOP("No")},       {NoToAll, QT_TR_NOOP("No to All")},
        {Rename, QT_TR_NOOP("Rename")}, {Abort, QT_TR_NOOP("Abort")},
    };
    for (const auto& button : buttons) {
        auto* push = new QPushButton(tr(button.text), this);
        push->setAutoDefault(false);
        const int code = button.code;
        connect(push, &QPushButton::clicked, this,
                [this, code] { code == Rename ? AskNewName() : Answer(code); });
        row->addWidget(push);
    }
    layout->addLayout(row);
}

QToolButton* CDialogOverwrite::AddZoomButton(const char* name, int iconColumn)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setFixedSize(30, 35);
    button->setIconSize(QSize(16, 16));
    button->setIcon(CImageCache::GetInstance()->GetIcon("Icons-Minimal.png", true, true, 16, iconColumn, 0));
    button->setAutoRaise(true);
    return button;
}

void CDialogOverwrite::Fill()
{
    textMessage->setText(MessageText());
    const qint64 size = QFileInfo(path).size();
    textSize->setText(size == 0 ? tr("Size") + ": N/A"
                                : tr("Size") + ": " + QLocale().formattedDataSize(size));
    scrollImage->ShowPlaceholder();
    // Once the prompt is shown and laid out, so that the photo is fitted to
    // the preview's real size. One try only: a file that cannot be read
    // leaves the placeholder.
    QTimer::singleShot(0, this, [this] {
        scrollImage->thread.noRepeat = true;
        scrollImage->StartPreview(path);
    });
}

int CDialogOverwrite::exec()
{
    newPath = path;
    CPromptSeam::SPrompt prompt;
    prompt.kind = CPromptSeam::Overwrite;
    prompt.path = path;
    prompt.text = MessageText();
    if (const std::optional<CPromptSeam::SAnswer> answer = CPromptSeam::Answered(prompt)) {
        if (answer->code == Rename)
            newPath = answer->newPath;
        return answer->code;
    }
    Fill();
    return QDialog::exec(); // Escape ends with reject(): 0, Abort
}

QString CDialogOverwrite::MessageText() const
{
    return tr("Image %1\nalready exists, do you want to overwrite it?").arg(QDir::toNativeSeparators(path));
}

void CDialogOverwrite::Answer(int code)
{
    done(code);
}

void CDialogOverwrite::AskNewName()
{
    CDialogOverwriteRename rename(this);
    rename.path = path;
    if (rename.exec() == QDialog::Accepted && !rename.newPath.isEmpty()) {
        newPath = rename.newPath;
        done(Rename);
    }
}
