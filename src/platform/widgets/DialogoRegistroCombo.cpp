#include "platform/widgets/DialogoRegistroCombo.h"

#include "platform/db/Connection.h"

#include <QCompleter>
#include <QLineEdit>

namespace widgets {

DialogoRegistroCombo::DialogoRegistroCombo(bool conVacio, QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(15);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(24);
    auto* buscador = new QCompleter(model(), this);
    buscador->setCaseSensitivity(Qt::CaseInsensitive);
    buscador->setFilterMode(Qt::MatchContains);
    buscador->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(buscador);
    if (conVacio)
        addItem(QString(), qint64(0));
}

void DialogoRegistroCombo::Llenar(db::Connection& con, const QString& consulta)
{
    db::Recordset rs = con.Execute(consulta);
    for (; !rs.isEOF(); rs.MoveNext())
        AnadirOpcion(rs.value(0).toInt64(), rs.value(1).toString());
}

void DialogoRegistroCombo::AnadirOpcion(qint64 clave, const QString& texto)
{
    addItem(texto, clave);
}

qint64 DialogoRegistroCombo::Clave() const
{
    const QString texto = currentText().trimmed();
    if (texto.isEmpty())
        return 0;
    // Two rows may read alike: the one chosen in the list wins.
    const int actual = currentIndex();
    if (actual >= 0 && itemText(actual).compare(texto, Qt::CaseInsensitive) == 0)
        return itemData(actual).toLongLong();
    const int encontrado = findText(texto, Qt::MatchFixedString);
    return encontrado >= 0 ? itemData(encontrado).toLongLong() : -1;
}

void DialogoRegistroCombo::ElegirClave(qint64 clave)
{
    int indice = findData(clave);
    if (indice < 0 && clave != 0) {
        addItem(QStringLiteral("(n.º %1, que ya no existe)").arg(clave), clave);
        indice = count() - 1;
    }
    setCurrentIndex(indice);
    if (indice < 0)
        setEditText(QString());
}

bool DialogoRegistroCombo::ElegirTexto(const QString& texto)
{
    const int indice = findText(texto, Qt::MatchFixedString);
    if (indice < 0)
        return false;
    setCurrentIndex(indice);
    return true;
}

} // namespace widgets
