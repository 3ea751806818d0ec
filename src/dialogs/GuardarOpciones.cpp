#include "dialogs/GuardarOpciones.h"

#include "core/AjustesUsuario.h"
#include "core/EstadoPrincipal.h"
#include "dialogs/ReglasOpciones.h"
#include "navigation/ConsultasNodo.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/Texto.h"
#include "platform/vb/VbError.h"

namespace {

using PVAPI::cCRegistry;
using namespace ReglasOpciones;

void Avisar(const QString& texto, const QString& titulo)
{
    ui::Beep();
    ui::MsgBox(texto, ui::vbOKOnly + ui::vbExclamation, titulo);
}

// Runs one step; its failure is kept (the first only) and the save goes on.
class Pasos {
public:
    void Ejecutar(const std::function<void()>& paso)
    {
        try {
            paso();
        } catch (const vb::VbError& error) {
            Anotar(error);
        } catch (const std::exception& error) {
            Anotar(vb::VbError(51, QString::fromLocal8Bit(error.what())));
        }
    }
    void Anotar(const vb::VbError& error)
    {
        if (!m_fallo)
            m_fallo = error;
    }
    const std::optional<vb::VbError>& Fallo() const { return m_fallo; }

private:
    std::optional<vb::VbError> m_fallo;
};

// Writes the batch; when the file cannot be written the user retries or
// gives up, and then the save has failed.
bool EscribirLote(settings::Batch& lote, Pasos& pasos)
{
    for (;;) {
        try {
            lote.Commit();
            return true;
        } catch (const vb::VbError& error) {
            if (ui::MsgBox(LoteAjustes::TextoReintento(error.description()), ui::vbRetryCancel + ui::vbExclamation)
                != ui::vbRetry) {
                lote.Discard();
                pasos.Anotar(error);
                return false;
            }
        }
    }
}

} // namespace

SalidaOpciones GuardarOpciones(const ValoresOpciones& valores, ContextoOpciones& contexto)
{
    SalidaOpciones salida;
    const QString& titulo = contexto.appTitle;

    if (!PaginasLibro(valores.txtOpciones[kMaxPagLibro])) {
        Avisar(QStringLiteral("¡El número de páginas para un libro debe estar entre 1 y 9999!"), titulo);
        salida.resultado = ResultadoOpciones::PaginasRechazadas;
        salida.foco = kMaxPagLibro;
        salida.seleccionarDocumentos = true;
        return salida;
    }
    if (!MargenCertificados(valores.txtOpciones[kMargen])) {
        Avisar(QStringLiteral("¡El valor del márgen no debe ser superior a 99!"), titulo);
        salida.resultado = ResultadoOpciones::MargenRechazado;
        salida.foco = kMargen;
        salida.seleccionarDocumentos = true;
        return salida;
    }

    const AjustesUsuario ajustes {titulo, contexto.gobjInfoConfig.Usuario, contexto.gobjInfoConfig.idioma};
    const QString seccionPrincipal = ajustes.Seccion(cCRegistry::PRINCIPAL());
    Pasos pasos;
    std::optional<ResultadoOpciones> rechazo;
    settings::Batch lote;

    pasos.Ejecutar([&] {
        // Rows per page below 1 or not a number would leave the list without
        // pages: the default takes its place.
        const int filas = RegistrosPorPagina(valores.txtOpciones[kNRegMax]);
        ajustes.Guardar(ajustes.Seccion(cCRegistry::INTERFACE()), cCRegistry::INTERFACE_NREGMAX(),
                        QString::number(filas));
        contexto.estado.gintNRegMax = qint16(filas);
    });
    pasos.Ejecutar([&] {
        ajustes.Guardar(ajustes.Seccion(cCRegistry::DOCUMENTOS()), cCRegistry::DOCUMENTOS_MARGEN(),
                        valores.txtOpciones[kMargen]);
    });
    pasos.Ejecutar([&] {
        ajustes.Guardar(ajustes.Seccion(cCRegistry::DOCUMENTOS()), cCRegistry::DOCUMENTOS_MAXPAGLIBRO(),
                        valores.txtOpciones[kMaxPagLibro]);
    });
    pasos.Ejecutar([&] {
        if (valores.pesetas)
            ActualizarSQLPesetas(contexto.estado, contexto.gobjInfoConfig, contexto.conLocal, ajustes);
        else
            ActualizarSQLEuros(contexto.estado, contexto.gobjInfoConfig, contexto.conLocal, ajustes);
    });

    bool claveCambiada = false;
    if (valores.mblnCambiarClave) {
        pasos.Ejecutar([&] {
            const auto codificar = [&](QString texto) {
                texto = vb::Trim(texto);
                if (!texto.isEmpty()) {
                    if (contexto.codificar)
                        contexto.codificar(texto);
                    else
                        PVAPI::cCodificadorPassword().Codificar(texto);
                }
                return texto;
            };
            if (valores.claveAnteriorHabilitada) {
                const QString anterior = codificar(valores.txtOpciones[kClaveAnterior]);
                if (ajustes.Leer(seccionPrincipal, cCRegistry::PRINCIPAL_CLAVE()) != anterior) {
                    Avisar(QStringLiteral("¡La contraseña anterior no es válida!"), titulo);
                    rechazo = ResultadoOpciones::ClaveAnteriorRechazada;
                    salida.vaciarClaveAnterior = true;
                    salida.foco = kClaveAnterior;
                    return;
                }
            }
            if (valores.txtOpciones[kClaveNueva] != valores.txtOpciones[kClaveConfirmacion]) {
                Avisar(QStringLiteral("¡La nueva contraseña no coincide!"), titulo);
                rechazo = ResultadoOpciones::ConfirmacionRechazada;
                salida.foco = kClaveConfirmacion;
                return;
            }
            ajustes.Guardar(seccionPrincipal, cCRegistry::PRINCIPAL_CLAVE(),
                            codificar(valores.txtOpciones[kClaveNueva]));
            claveCambiada = true;
        });
    }

    if (!rechazo) {
        PorcentajesModelo182 porcentajes;
        for (std::size_t i = 0; i < porcentajes.size(); ++i)
            porcentajes[i] = Porcentaje(valores.modelo182[i]);
        pasos.Ejecutar([&] {
            GuardarModelo182(contexto.conLocal, porcentajes);
            salida.modelo182 = porcentajes;
        });
    }

    EscribirLote(lote, pasos);
    if (claveCambiada) {
        // Read after the write: what the file holds decides the box.
        salida.claveAnteriorHabilitada = !ajustes.Leer(seccionPrincipal, cCRegistry::PRINCIPAL_CLAVE()).isEmpty();
        salida.vaciarClaves = true;
    }

    if (rechazo)
        salida.resultado = *rechazo;
    if (pasos.Fallo()) {
        vb::Err().Set(*pasos.Fallo());
        ui::ReportError(QStringLiteral("GuardarOpciones()"), QStringLiteral("frmOpciones"),
                        QStringLiteral("NorviaParvanta2000.vbp"));
        vb::Err().Clear();
        if (!rechazo)
            salida.resultado = ResultadoOpciones::Fallo;
        return salida;
    }
    if (!rechazo) {
        salida.resultado = ResultadoOpciones::Guardado;
        salida.blnCancelar = false;
    }
    return salida;
}
