#pragma once
// Qt's own texts (the file dialog, a text box's context menu, standard
// buttons) in the program's language. The program's captions come from the
// caption tables; these are the texts Qt draws by itself.

#include <QString>

namespace q716 {

// Chinese (language code 0) loads Qt's Chinese translation; every other code
// leaves Qt's English texts. Without the translation files (the package that
// ships them is optional) Qt simply keeps English.
void useQtTranslations(int languageCode);

// The folder of Qt's translation files; an empty text means Qt's own.
void setQtTranslationsFolder(const QString& folder);

} // namespace q716
