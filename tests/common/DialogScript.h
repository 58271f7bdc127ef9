#pragma once

#include <functional>

class QDialog;

// Runs `dialog` with `script` played inside its modal loop; whatever the
// script leaves open is cancelled, so that a failing check never hangs the
// test. The dialog's result.
int RunDialog(QDialog& dialog, const std::function<void()>& script);
