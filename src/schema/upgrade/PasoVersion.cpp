#include "schema/upgrade/PasoVersion.h"

#include <stdexcept>

namespace {

QList<PasoVersion> Construir()
{
    using S = SubPaso;
    const QStringList vaciar202{QStringLiteral("ComunidadAutonoma"), QStringLiteral("Deduccion"),
                                QStringLiteral("Campo"), QStringLiteral("Informe")};
    const QList<SubPaso> subpasos202{S::Estructura203, S::ImportesAEuros, S::ComunidadesAutonomas,
                                     S::Deducciones, S::Campos, S::Informes};

    PasoVersion p1{1, QStringLiteral("2.0.0"), QStringLiteral("2.0.1"), {QStringLiteral("V200")}, false, {}, {}, false,
                   {S::Estructura201}};
    PasoVersion p2{2,
                   QStringLiteral("2.0.1"),
                   QStringLiteral("2.1.0"),
                   {QStringLiteral("V201")},
                   false,
                   {QStringLiteral("Misa"), QStringLiteral("Misa_Contacto1"), QStringLiteral("Misa_Contacto2"),
                    QStringLiteral("Visita"), QStringLiteral("Visitas_Historico")},
                   {QStringLiteral("ComunidadAutonoma"), QStringLiteral("Deduccion"), QStringLiteral("Nodo"),
                    QStringLiteral("Campo"), QStringLiteral("Informe"), QStringLiteral("Tipo_Via")},
                   true,
                   {S::Estructura210, S::ImportesAEuros, S::ComunidadesAutonomas, S::Deducciones, S::Nodos, S::Campos,
                    S::InformesValdena, S::TiposVia}};
    PasoVersion p3{3, QStringLiteral("2.0.2"), QStringLiteral("2.0.3"), {QStringLiteral("V202")}, false, {}, vaciar202,
                   true, subpasos202};
    PasoVersion p4{4, QStringLiteral("2.0.3"), QStringLiteral("2.1.0"), {QStringLiteral("V203")}, false, {}, {}, false,
                   {}};
    PasoVersion p5{5, QStringLiteral("2.0.2"), QStringLiteral("2.1.0"), {QStringLiteral("V202")}, false, {}, vaciar202,
                   true, subpasos202};
    PasoVersion p6{6,     QStringLiteral("2.1.0"), QStringLiteral("2.1.2"), {QStringLiteral("V210")}, false, {},
                   {QStringLiteral("Campo"), QStringLiteral("Nodo")}, true, {S::CamposConClave, S::NodosConClave}};
    PasoVersion p7{7, QStringLiteral("2.1.2"), QStringLiteral("2.2.0"), {QStringLiteral("V212")}, false, {}, {}, false,
                   {S::Estructura220YReparacion}};
    PasoVersion p8{8, QStringLiteral("2.1.2"), QStringLiteral("2.2.0"), {QStringLiteral("V212")}, true, {},
                   {QStringLiteral("Informe")}, true, {S::Estructura220YReparacion, S::InformesMirante}};
    return {p1, p2, p3, p4, p5, p6, p7, p8};
}

} // namespace

const QList<PasoVersion>& PasosVersion()
{
    static const QList<PasoVersion> pasos = Construir();
    return pasos;
}

const PasoVersion& PasoNumero(int numero)
{
    if (numero < 1 || numero > PasosVersion().size())
        throw std::out_of_range("paso de versión inexistente");
    return PasosVersion().at(numero - 1);
}
