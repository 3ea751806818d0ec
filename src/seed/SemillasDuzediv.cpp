#include "seed/SemillasDuzediv.h"

#include "seed/DatosSemilla.h"
#include "seed/EscrituraSemilla_p.h"
#include "seed/SentenciasSemilla.h"

#include "platform/db/Connection.h"

namespace {

QString Nodo(const FilaNodo& fila) { return SentenciasSemilla::Nodo(fila, false); }
QString NodoConClave(const FilaNodo& fila) { return SentenciasSemilla::Nodo(fila, true); }
QString Campo(const FilaCampo& fila) { return SentenciasSemilla::Campo(fila, false); }
QString CampoConClave(const FilaCampo& fila) { return SentenciasSemilla::Campo(fila, true); }
QString Informe(const FilaInforme& fila) { return SentenciasSemilla::Informe(fila, false); }
QString InformeConClave(const FilaInforme& fila) { return SentenciasSemilla::Informe(fila, true); }

} // namespace

void InsertarComunidadesAutonomas(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirSinClave(conLocal, QStringLiteral("ComunidadAutonoma"), QStringLiteral("IdComunidad"),
                                       DatosSemilla::ComunidadesAutonomas(), &SentenciasSemilla::ComunidadAutonoma);
}

void InsertarDeducciones(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirSinClave(conLocal, QStringLiteral("Deduccion"), QString(), DatosSemilla::Deducciones(),
                                       &SentenciasSemilla::Deduccion);
}

void InsertarTiposVia(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirSinClave(conLocal, QStringLiteral("Tipo_Via"), QString(), DatosSemilla::TiposVia(),
                                       &SentenciasSemilla::TipoVia);
}

void InsertarNodos(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirSinClave(conLocal, QStringLiteral("Nodo"), QStringLiteral("IDNodo"),
                                       DatosSemilla::NodosV210(), &Nodo);
}

void InsertarNodosConClave(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirFilas(conLocal, DatosSemilla::NodosV212(), &NodoConClave);
}

void InsertarCampos(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirSinClave(conLocal, QStringLiteral("Campo"), QStringLiteral("IDCampo"),
                                       DatosSemilla::CamposV210(), &Campo);
}

void InsertarCamposConClave(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirFilas(conLocal, DatosSemilla::CamposV212(), &CampoConClave);
}

void InsertarInformes(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirSinClave(conLocal, QStringLiteral("Informe"), QStringLiteral("IDInforme"),
                                       DatosSemilla::InformesGeneral(), &Informe);
}

void InsertarInformesValdena(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirSinClave(conLocal, QStringLiteral("Informe"), QStringLiteral("IDInforme"),
                                       DatosSemilla::InformesValdena(), &Informe);
}

void InsertarInformesMirante(db::Connection& conLocal)
{
    EscrituraSemilla::EscribirFilas(conLocal, DatosSemilla::InformesMirante(), &InformeConClave);
}
