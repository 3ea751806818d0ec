#include "platform/pvapi/ListaControl.h"

#include "platform/vb/VbError.h"

namespace PVAPI {

namespace {
[[noreturn]] void ValorNoValido()
{
    throw vb::VbError(380, QStringLiteral("El valor de la propiedad no es válido"));
}
} // namespace

void ListaControl::Clear()
{
    m_lineas.clear();
    m_listIndex = -1;
}

void ListaControl::AddItem(const QString& texto)
{
    m_lineas.append(Linea{texto, 0, false});
}

const ListaControl::Linea& ListaControl::linea(int i) const
{
    if (i < 0 || i >= m_lineas.size())
        ValorNoValido();
    return m_lineas[i];
}

QString ListaControl::List(int i) const
{
    return linea(i).texto;
}

qint32 ListaControl::ItemData(int i) const
{
    return linea(i).itemData;
}

void ListaControl::setItemData(int i, qint32 valor)
{
    linea(i);
    m_lineas[i].itemData = valor;
}

bool ListaControl::Selected(int i) const
{
    return linea(i).marcada;
}

void ListaControl::setSelected(int i, bool marcado)
{
    linea(i);
    m_lineas[i].marcada = marcado;
}

int ListaControl::SelCount() const
{
    int n = 0;
    for (const Linea& l : m_lineas)
        n += l.marcada ? 1 : 0;
    return n;
}

void ListaControl::setListIndex(int i)
{
    if (i < -1 || i >= m_lineas.size())
        ValorNoValido();
    m_listIndex = i;
    if (!MultiSelect) {
        for (int k = 0; k < m_lineas.size(); ++k)
            m_lineas[k].marcada = k == i;
    }
}

QString ListaControl::Text() const
{
    return m_listIndex >= 0 ? m_lineas[m_listIndex].texto : QString();
}

int ListaControl::IndiceDe(qint32 valor) const
{
    for (int i = 0; i < m_lineas.size(); ++i) {
        if (m_lineas[i].itemData == valor)
            return i;
    }
    return -1;
}

} // namespace PVAPI
