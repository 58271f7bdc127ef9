#pragma once

#include <QDialog>
#include <QString>

class CFiltersEnum;
class CImageCache;
class CUserProfile;
class QToolButton;
namespace Ui {
class CDialogFilterSelection;
}

// The "Select Filter" dialog: the offered filter types as a gallery of large
// icons, narrowed by four category buttons. After an accepted exec(),
// selectedFilterName holds the chosen type's name.
class CDialogFilterSelection : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogFilterSelection(QWidget* parent = nullptr);
    ~CDialogFilterSelection() override;

    void Init();
    // Cuts the category button icons and measures the filter icon strip.
    void InitImages();
    // Fills the gallery with the registry rows of a category (0 all, 1
    // marks, 2 decorations, 5 transforms), in registry order.
    void AddFilters(int category);
    // Ticks the category's button alone and shows its filters.
    void ChangeCategory(int category);

    Ui::CDialogFilterSelection* ui = nullptr;
    CFiltersEnum* filtersEnum = nullptr;
    CUserProfile* userProfile = nullptr;
    CImageCache* imageCache = nullptr;
    int iconColumns = -1;  // 48-pixel columns of the filter icon strip
    int iconRows = -1;
    QString selectedFilterName;

private slots:
    void on_buttonAllFilters_clicked();
    void on_buttonMarks_clicked();
    void on_buttonDecorations_clicked();
    void on_buttonTransform_clicked();
    void on_listFilters_activated();
    void on_Ok_clicked();
    void on_Cancel_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* ButtonOfCategory(int category) const;
};
