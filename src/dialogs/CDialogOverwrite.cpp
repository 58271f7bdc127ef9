#include "CDialogOverwrite.h"

#include "CDialogOverwriteRename.h"
#include "CPromptSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

CDialogOverwrite::CDialogOverwrite(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    imagePreview = new QLabel(this);
    imagePreview->setMinimumSize(160, 120);
    imagePreview->setAlignment(Qt::AlignCenter);
    layout->addWidget(imagePreview);
    textMessage = new QLabel(this);
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

void CDialogOverwrite::Fill()
{
    textMessage->setText(MessageText());
    const qint64 size = QFileInfo(path).size();
    textSize->setText(size == 0 ? tr("Size") + ": N/A"
                                : tr("Size") + ": " + QLocale().formattedDataSize(size));
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid())
        reader.setScaledSize(full.scaled(320, 240, Qt::KeepAspectRatio));
    const QImage preview = reader.read();
    if (!preview.isNull())
        imagePreview->setPixmap(QPixmap::fromImage(preview));
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
