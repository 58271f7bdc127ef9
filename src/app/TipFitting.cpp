#include "TipFitting.h"

#include "CTextWidget.h"

#include <QTextLayout>

bool AllTextShown(const CTextWidget& tip)
{
    if (tip.Layouts().size() != tip.Paragraphs().size())
        return false;
    for (const QTextLayout* layout : tip.Layouts()) {
        for (int i = 0; i < layout->lineCount(); ++i) {
            if (layout->lineAt(i).position().x() >= tip.width())
                return false;
        }
    }
    return true;
}

void FitTip(CTextWidget& tip, QSize size, const QString& text)
{
    for (int height = size.height(); height <= size.height() * 2; height += 10) {
        tip.resize(size.width(), height);
        tip.SetParagraphs({text});
        if (AllTextShown(tip))
            break;
    }
}
