#pragma once

class QLineEdit;
class QPlainTextEdit;

// Selects the whole text of a text box, so that what the user types next
// replaces it. The dialogs call it whenever one of their boxes takes the
// focus. A box that cannot take a selection is left as it is.
void SelText(QLineEdit& txt);
void SelText(QPlainTextEdit& txt);
