#pragma once

#include <QWidget>

class QLineEdit;

// Step 3: the output set-up. This is the panel's shell with the operations
// the main window calls; the destination, format and delivery controls are
// built into it separately.
class CMainPanel3 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel3(QWidget* parent = nullptr);
    ~CMainPanel3() override;

    void RefreshPanel();
    void UnsignalPanelChanged();
    void DiscardUserChanges();
    void SetOutputFormats(bool keepIndex);
    // Asks for the destination folder; true when one was picked.
    bool SelectFolder();

    bool changed = false;

public slots:
    void SignalPanelChanged();

signals:
    void SignalChanges();
    void UnsignalChanges();

private:
    QLineEdit* editDestinationPath = nullptr;
};
