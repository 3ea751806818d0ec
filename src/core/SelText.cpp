#include "core/SelText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

void SelText(QLineEdit& txt)
{
    txt.setSelection(0, int(txt.text().size()));
}

void SelText(QPlainTextEdit& txt)
{
    // The caret ends after the text, as after a selection made with the
    // keyboard from the start.
    QTextCursor cursor = txt.textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    txt.setTextCursor(cursor);
}
