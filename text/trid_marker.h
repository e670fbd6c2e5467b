#pragma once
// Marks a text id for Qt's lupdate. lupdate reads the sources as they are
// written (no preprocessor, no Qt headers needed) and collects every
// QT_TRID_NOOP("id") together with the text of the `//%` comment lines right
// above it as the id's source text; lrelease -idbased then makes the
// translations that the Qt front end looks up by id. The mark itself does
// nothing: the id stays the literal it is. Qt defines the macro the same way.
#ifndef QT_TRID_NOOP
#define QT_TRID_NOOP(id) id
#endif
