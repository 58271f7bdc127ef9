#pragma once

#include <QDialog>
#include <QString>

class CControlImage;
class QLabel;
class QToolButton;

// The modal prompt for one existing output file: overwrite it, skip it,
// do the same for every later one, rename the output, or abort the run.
// The file is shown in a zoomable preview. Escape and closing the window
// answer Abort.
class CDialogOverwrite : public QDialog
{
    Q_OBJECT
public:
    enum Answer { Abort = 0, Yes = 1, YesToAll = 2, No = 3, NoToAll = 4, Rename = 5 };

    explicit CDialogOverwrite(QWidget* parent = nullptr);
    ~CDialogOverwrite() override = default;

    // Before exec(): the existing file. After a Rename answer newPath holds
    // the path chosen; for every other answer it stays equal to path.
    QString path;
    QString newPath;

    // Runs the prompt and returns the answer code. An answerer installed in
    // CPromptSeam answers instead of a person (an Overwrite prompt).
    int exec() override;

private:
    QString MessageText() const;
    void Fill();
    void Answer(int code);
    void AskNewName();
    QToolButton* AddZoomButton(const char* name, int iconColumn);

    QLabel* textMessage = nullptr;
    QLabel* textSize = nullptr;
    CControlImage* scrollImage = nullptr;
    QLabel* viewImage = nullptr;
    // The preview refits when the dialog is resized; the prompt never has
    // a page transition.
    bool panelTransition = false;
};
