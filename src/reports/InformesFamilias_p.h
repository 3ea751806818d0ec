#pragma once

#include <QString>

class CcNodos;
class EntornoInforme;

// The branches of the two chains, by family of reports.
namespace informes_p {

void DonativosTodos(const EntornoInforme& e, const CcNodos& n, const QString& nodo);
void DonativosSeleccion(const EntornoInforme& e, const CcNodos& n, const QString& nodo);
void ListaParroquia(const EntornoInforme& e, const CcNodos& n, const QString& nodo, bool todos);
void Duplicadas(const EntornoInforme& e, const CcNodos& n, const QString& nodo);
void Plantilla(const EntornoInforme& e, const CcNodos& n, const QString& nodo);

} // namespace informes_p
