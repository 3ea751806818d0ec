#include "platform/widgets/fpPlanificaColumnas.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace widgets {

QList<ColumnaPlanifica> ColumnasPlanifica(const QList<IntervaloPlanifica>& intervalos)
{
    QList<ColumnaPlanifica> resultado(intervalos.size());
    std::vector<int> orden(std::size_t(intervalos.size()));
    std::iota(orden.begin(), orden.end(), 0);
    std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) {
        return intervalos[a].inicio < intervalos[b].inicio;
    });

    std::vector<int> finDeColumna;  // end of the last task of each column of the group
    std::vector<int> grupo;
    int finGrupo = -1;
    const auto cerrarGrupo = [&] {
        for (int i : grupo)
            resultado[i].columnas = int(finDeColumna.size());
        grupo.clear();
        finDeColumna.clear();
    };
    for (int i : orden) {
        const IntervaloPlanifica& t = intervalos[i];
        if (t.inicio >= finGrupo)
            cerrarGrupo();
        const auto libre = std::find_if(finDeColumna.begin(), finDeColumna.end(), [&](int fin) { return fin <= t.inicio; });
        const int columna = int(libre - finDeColumna.begin());
        if (libre == finDeColumna.end())
            finDeColumna.push_back(t.fin);
        else
            *libre = t.fin;
        resultado[i].columna = columna;
        grupo.push_back(i);
        finGrupo = std::max(finGrupo, t.fin);
    }
    cerrarGrupo();
    return resultado;
}

} // namespace widgets
