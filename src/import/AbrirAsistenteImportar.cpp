#include "import/AbrirAsistenteImportar.h"

#include "import/frmImportar.h"

namespace {

EjecutorAsistenteImportar& Ejecutor()
{
    static EjecutorAsistenteImportar ejecutor;
    return ejecutor;
}

} // namespace

void EstablecerEjecutorAsistenteImportar(EjecutorAsistenteImportar ejecutor)
{
    Ejecutor() = std::move(ejecutor);
}

void AbrirAsistenteImportar(ContextoImportar contexto, QWidget* padre)
{
    frmImportar asistente(std::move(contexto), padre);
    if (Ejecutor())
        Ejecutor()(asistente);
    else
        asistente.exec();
}
