#pragma once

#include <QString>

#include <functional>

class QWidget;

// The one road by which processing prompts reach a person. By default the
// prompts run as modal dialogs; a test installs answerers instead, so that
// nothing waits for a person. GUI thread only.
class CPromptSeam
{
public:
    // Answers an overwrite prompt for `path`: the answer code, and for a
    // Rename the new full path in `newPath`.
    using OverwriteAnswerer = std::function<int(const QString& path, QString& newPath)>;
    // Answers a Yes/No question: true for Yes.
    using QuestionAnswerer = std::function<bool(const QString& text)>;
    // Takes note of a warning.
    using WarningAnswerer = std::function<void(const QString& text)>;

    static void SetOverwriteAnswerer(OverwriteAnswerer answerer);
    static void SetQuestionAnswerer(QuestionAnswerer answerer);
    static void SetWarningAnswerer(WarningAnswerer answerer);
    // Back to real dialogs.
    static void Reset();

    static const OverwriteAnswerer& Overwrite();
    // A question box with an empty title, Yes and No, No the default.
    static bool Question(QWidget* parent, const QString& text);
    // A warning box with an empty title and one OK button.
    static void Warning(QWidget* parent, const QString& text);
};
