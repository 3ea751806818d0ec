#include "agenda/ModeloTareasMes.h"

#include "agenda/TextosAgenda.h"

#include <algorithm>

namespace {

bool Antes(const ModeloTareasMes::Linea& a, const ModeloTareasMes::Linea& b)
{
    return TextosAgenda::LineaAntes(a.texto, b.texto);
}

} // namespace

int ModeloTareasMes::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lineas.size());
}

QVariant ModeloTareasMes::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lineas.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_lineas.at(index.row()).texto;
    if (role == Qt::UserRole)
        return m_lineas.at(index.row()).id;
    return {};
}

void ModeloTareasMes::Llenar(QList<Linea> lineas, bool ordenadas)
{
    if (!ordenadas)
        std::stable_sort(lineas.begin(), lineas.end(), Antes);
    beginResetModel();
    m_lineas = std::move(lineas);
    endResetModel();
}

int ModeloTareasMes::Anadir(const Linea& linea)
{
    const auto donde = std::upper_bound(m_lineas.begin(), m_lineas.end(), linea, Antes);
    const int fila = int(donde - m_lineas.begin());
    beginInsertRows({}, fila, fila);
    m_lineas.insert(fila, linea);
    endInsertRows();
    return fila;
}

void ModeloTareasMes::Quitar(int fila)
{
    beginRemoveRows({}, fila, fila);
    m_lineas.removeAt(fila);
    endRemoveRows();
}

int ModeloTareasMes::Buscar(qint32 id) const
{
    for (int i = 0; i < m_lineas.size(); ++i)
        if (m_lineas.at(i).id == id)
            return i;
    return -1;
}
