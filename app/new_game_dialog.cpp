#include "new_game_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "time_control_dialog.h"
#include "translator_qt.h"

namespace xantu {

NewGameDialog::NewGameDialog(const NewGameRequest& request, QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText(Msg::NewGameTitle));
    auto* form = new QFormLayout;
    opponent_ = new QComboBox(this);
    opponent_->addItems({uiText(Msg::NewGameComputer), uiText(Msg::NewGameTwoHumans)});
    form->addRow(uiText(Msg::NewGameOpponent), opponent_);
    side_ = new QComboBox(this);
    side_->addItems({uiText(Msg::SideSente), uiText(Msg::SideGote)});
    form->addRow(uiText(Msg::NewGameSide), side_);
    level_ = new QComboBox(this);
    for (int level = 1; level <= 4; ++level) level_->addItem(QStringLiteral("LEVEL%1").arg(level));
    // The registered engines follow the levels, each under its name.
    for (const std::string& name : request.engineNames) level_->addItem(QString::fromStdString(name));
    form->addRow(uiText(Msg::NewGameLevel), level_);
    handicap_ = new QComboBox(this);
    for (const std::string& name : request.handicapNames) handicap_->addItem(QString::fromStdString(name));
    form->addRow(uiText(Msg::NewGameHandicap), handicap_);
    time_ = new TimeControlFields(request.initial.time, this);
    form->addRow(uiText(Msg::NewGameTime), time_);

    const NewGameChoice& c = request.initial;
    opponent_->setCurrentIndex(c.vsComputer ? 0 : 1);
    side_->setCurrentIndex(c.humanOrder < 0 ? 1 : 0);
    engineNames_ = request.engineNames;
    builtInLevel_ = std::clamp(c.opponent.level, 1, 4);
    int levelIndex = builtInLevel_ - 1;
    if (c.opponent.isEngine()) {
        const auto at = std::find(request.engineNames.begin(), request.engineNames.end(), c.opponent.engine);
        if (at != request.engineNames.end()) levelIndex = 4 + static_cast<int>(at - request.engineNames.begin());
    }
    level_->setCurrentIndex(levelIndex);
    // The names run from ladder level −10; the middle one is level 0.
    const int middle = static_cast<int>(request.handicapNames.size()) / 2;
    handicap_->setCurrentIndex(std::clamp(middle + c.handicap, 0, std::max(0, handicap_->count() - 1)));
    followOpponent();
    connect(opponent_, &QComboBox::currentIndexChanged, this, [this] { followOpponent(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void NewGameDialog::followOpponent() {
    // Two humans need no level.
    level_->setEnabled(opponent_->currentIndex() == 0);
}

NewGameChoice NewGameDialog::choice() const {
    NewGameChoice c;
    c.vsComputer = opponent_->currentIndex() == 0;
    c.humanOrder = side_->currentIndex() == 1 ? -1 : 1;
    const int index = level_->currentIndex();
    c.opponent = index < 4 ? Opponent::builtIn(index + 1)
                           : Opponent::registered(engineNames_[static_cast<std::size_t>(index - 4)], builtInLevel_);
    c.handicap = handicap_->currentIndex() - handicap_->count() / 2;
    c.time = time_->value();
    return c;
}

}  // namespace xantu
