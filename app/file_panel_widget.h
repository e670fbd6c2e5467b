#pragma once
#include <QObject>
#include <QRectF>
#include <QString>
#include <vector>

#include "platform/platform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace xantu {

class CanvasWidget;

// The record-file panel over the board: a drive list, a folder list, the
// list of record files in that folder, four labelled text boxes and the
// RETURN button. Its controls are children of the drawing surface, placed in
// twips like everything else on the window and scaled with it; all start hidden.
class FilePanelWidget : public QObject, public FilePanel {
    Q_OBJECT
public:
    FilePanelWidget(QWidget* surface, Dialogs& dialogs, QObject* parent = nullptr);

    void setListsVisible(bool drive, bool folder, bool files) override;
    void setIoVisible(bool on) override;
    std::string folder() const override;
    void openFolder(const std::string& path) override;
    std::string text(int box) const override;
    void setText(int box, const std::string& s) override;
    void refreshFiles() override;

    // Makes `path` the folder of the folder and file lists.
    void setFolder(const QString& path);
    // Chooses the drive (volume root) at `index` of the drive list, as the
    // user does; a drive that is not ready keeps the folder and says so.
    void chooseDrive(int index);

    // Places and sizes the controls for the surface's present scale.
    void relayout(const CanvasWidget& canvas);

    QComboBox* driveList() const { return drive_; }
    QListWidget* folderList() const { return dir_; }
    QListWidget* fileList() const { return files_; }
    QLineEdit* textBox(int box) const;
    QPushButton* returnButton() const { return button_; }

    static constexpr const char* kPattern = "*.棋譜";

signals:
    void returnClicked();
    // The full path of the record file clicked in the file list.
    void fileClicked(const QString& path);

private:
    void fillDrives();
    void fillFolders();
    void folderActivated(QListWidgetItem* item);
    void place(QWidget* widget, const QRectF& twips);

    struct Placed {
        QWidget* widget;
        QRectF twips;
    };
    std::vector<Placed> placed_;

    Dialogs& dialogs_;
    QComboBox* drive_;
    QListWidget* dir_;
    QListWidget* files_;
    QLabel* labels_[4];
    QLineEdit* texts_[4];  // Text1..Text4
    QPushButton* button_;
    QString folder_;
    int driveIndex_ = -1;
};

}  // namespace xantu
