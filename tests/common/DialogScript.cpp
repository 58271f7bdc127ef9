#include "DialogScript.h"

#include <QDialog>
#include <QTimer>

int RunDialog(QDialog& dialog, const std::function<void()>& script)
{
    QTimer::singleShot(0, &dialog, [&dialog, script] {
        script();
        if (dialog.isVisible())
            dialog.reject();
    });
    return dialog.exec();
}
