#pragma once
// Qt's own texts (the file dialog, the OK/Cancel/Yes/No buttons) in Japanese,
// like every text of the program.

// Installs Qt's Japanese translation (qtbase_ja from Qt's translations folder)
// on the running application.  False when it is not installed (the Debian
// package qt6-translations-l10n); Qt's texts then stay English.
bool installQtJapanese();
