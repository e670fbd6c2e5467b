#pragma once
#include <QDialog>
#include <string>
#include <vector>

#include "platform/platform.h"

class QComboBox;

namespace xantu {

// 新規対局: the opponent, the bottom player's side, the computer's level (or
// a registered engine) and the handicap, one row each; OK starts the game. A
// later setting of a new game is one more row of the form.
class NewGameDialog : public QDialog {
    Q_OBJECT
public:
    NewGameDialog(const NewGameRequest& request, QWidget* parent);
    NewGameChoice choice() const;

private:
    void followOpponent();

    QComboBox* opponent_;
    QComboBox* side_;
    QComboBox* level_;
    QComboBox* handicap_;
    class TimeControlFields* time_;
    // The built-in level the dialog opened with, kept when an engine is chosen.
    int builtInLevel_ = 3;
    std::vector<std::string> engineNames_;
};

}  // namespace xantu
