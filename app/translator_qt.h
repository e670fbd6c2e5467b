#pragma once
#include <QString>
#include <initializer_list>

#include "platform/platform.h"
#include "text/wording.h"

namespace xantu {

// The game's texts through Qt's translation: looked up by id among the
// installed translators (made with lrelease -idbased); the source text
// where none holds the id.
class TranslatorQt : public Translator {
public:
    std::string translate(std::string_view id, std::string_view source) const override;
};

// A text of the catalogue for a widget of the front end, as TranslatorQt
// gives it, its placeholders filled.
QString uiText(Msg m, std::initializer_list<TextArg> args = {});

}  // namespace xantu
