#include "seed/DatosSemilla.h"

namespace {

constexpr FilaComunidadAutonoma kComunidades[] = {
#include "seed/datos/ComunidadesAutonomas.inc"
};
constexpr FilaDeduccion kDeducciones[] = {
#include "seed/datos/Deducciones.inc"
};
constexpr const char* kTiposVia[] = {
#include "seed/datos/TiposVia.inc"
};
constexpr FilaNodo kNodosV210[] = {
#include "seed/datos/NodosV210.inc"
};
constexpr FilaNodo kNodosV212[] = {
#include "seed/datos/NodosV212.inc"
};
constexpr FilaCampo kCamposV210[] = {
#include "seed/datos/CamposV210.inc"
};
constexpr FilaCampo kCamposV212[] = {
#include "seed/datos/CamposV212.inc"
};
constexpr FilaInforme kInformesGeneral[] = {
#include "seed/datos/InformesGeneral.inc"
};
constexpr FilaInforme kInformesValdena[] = {
#include "seed/datos/InformesValdena.inc"
};
constexpr FilaInforme kInformesMirante[] = {
#include "seed/datos/InformesMirante.inc"
};
constexpr FilaCuenta kCuentas[] = {
#include "seed/datos/CuentasPredeterminadas.inc"
};
constexpr FilaEstructura kEstructura[] = {
#include "seed/datos/EstructuraPredeterminada.inc"
};
constexpr FilaRelEstructuraCuenta kRelEstructuraCuenta[] = {
#include "seed/datos/RelEstructuraCuentaPredeterminada.inc"
};
constexpr FilaComunidadAutonoma kComunidadesV220[] = {
#include "seed/datos/ComunidadesAutonomasV220.inc"
};
constexpr const char* kSentenciasModelo182[] = {
#include "seed/datos/TiposPersonaModelo182.inc"
};

} // namespace

std::span<const FilaComunidadAutonoma> DatosSemilla::ComunidadesAutonomas() { return kComunidades; }
std::span<const FilaDeduccion> DatosSemilla::Deducciones() { return kDeducciones; }
std::span<const char* const> DatosSemilla::TiposVia() { return kTiposVia; }
std::span<const FilaNodo> DatosSemilla::NodosV210() { return kNodosV210; }
std::span<const FilaNodo> DatosSemilla::NodosV212() { return kNodosV212; }
std::span<const FilaCampo> DatosSemilla::CamposV210() { return kCamposV210; }
std::span<const FilaCampo> DatosSemilla::CamposV212() { return kCamposV212; }
std::span<const FilaInforme> DatosSemilla::InformesGeneral() { return kInformesGeneral; }
std::span<const FilaInforme> DatosSemilla::InformesValdena() { return kInformesValdena; }
std::span<const FilaInforme> DatosSemilla::InformesMirante() { return kInformesMirante; }
std::span<const FilaCuenta> DatosSemilla::CuentasPredeterminadas() { return kCuentas; }
std::span<const FilaEstructura> DatosSemilla::EstructuraPredeterminada() { return kEstructura; }
std::span<const FilaRelEstructuraCuenta> DatosSemilla::RelEstructuraCuentaPredeterminada()
{
    return kRelEstructuraCuenta;
}
std::span<const FilaComunidadAutonoma> DatosSemilla::ComunidadesAutonomasV220() { return kComunidadesV220; }
std::span<const char* const> DatosSemilla::SentenciasModelo182() { return kSentenciasModelo182; }
