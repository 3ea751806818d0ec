#include "platform/addins/HostComplementos.h"

#include "platform/addins/BibliotecaComplemento.h"
#include "platform/addins/ModuloComplemento.h"
#include "platform/os/Paths.h"

#include <QDebug>
#include <QFileInfo>

namespace addins {
namespace {

constexpr long ErrNoPuedeCrearObjeto = 429;

QString Clave(const QString& nombre) { return nombre.trimmed().toLower(); }

// "PVVodidazaz.cVodidazaz" -> "PVVodidazaz"; "" when there is no library part.
QString BibliotecaDeClase(const QString& nombreClase)
{
    const qsizetype punto = nombreClase.indexOf(QLatin1Char('.'));
    return punto > 0 ? nombreClase.left(punto).trimmed() : QString();
}

[[noreturn]] void NoPuedeCrear(const QString& nombreClase)
{
    throw vb::VbError(ErrNoPuedeCrearObjeto, QStringLiteral("El componente ActiveX no puede crear el objeto"),
                      nombreClase);
}

} // namespace

HostComplementos& HostComplementos::Instancia()
{
    static HostComplementos instancia;
    return instancia;
}

QString HostComplementos::ArchivoBiblioteca(const QString& biblioteca)
{
    return QStringLiteral("lib%1.so").arg(biblioteca);
}

QString HostComplementos::RutaBiblioteca(const QString& biblioteca)
{
    if (biblioteca.isEmpty())
        return {};
    const QString ruta
        = os::FindFileCaseInsensitive(os::AppPath(), QStringLiteral("addins/") + ArchivoBiblioteca(biblioteca));
    return QFileInfo(ruta).isFile() ? ruta : QString();
}

bool HostComplementos::CargarBiblioteca(const QString& biblioteca)
{
    return Biblioteca(biblioteca) != nullptr;
}

BibliotecaComplemento* HostComplementos::Biblioteca(const QString& biblioteca)
{
    const QString ruta = RutaBiblioteca(biblioteca);
    if (ruta.isEmpty()) {
        m_ultimoError
            = QStringLiteral("No se encontró %1 en la carpeta de complementos").arg(ArchivoBiblioteca(biblioteca));
        return nullptr;
    }
    const QString clave = QFileInfo(ruta).canonicalFilePath();
    if (const auto cargada = m_bibliotecas.constFind(clave); cargada != m_bibliotecas.constEnd())
        return cargada->get();

    QString error;
    std::unique_ptr<BibliotecaComplemento> nueva = BibliotecaComplemento::Cargar(ruta, &error);
    if (!nueva) {
        m_ultimoError = error;
        qWarning().noquote() << "Complemento no cargado:" << error;
        return nullptr;
    }
    BibliotecaComplemento* resultado = nueva.get();
    m_bibliotecas.insert(clave, std::move(nueva));
    return resultado;
}

std::unique_ptr<Complemento> HostComplementos::CrearObjeto(const QString& nombreClase)
{
    if (const auto registrada = m_registros.constFind(Clave(nombreClase));
        registrada != m_registros.constEnd() && !registrada->isEmpty()) {
        if (std::unique_ptr<Complemento> objeto = registrada->constLast().fabrica())
            return objeto;
        NoPuedeCrear(nombreClase);
    }
    BibliotecaComplemento* biblioteca = Biblioteca(BibliotecaDeClase(nombreClase));
    if (!biblioteca)
        NoPuedeCrear(nombreClase);
    std::unique_ptr<Complemento> objeto = biblioteca->Modulo().Crear(nombreClase.trimmed());
    if (!objeto)
        NoPuedeCrear(nombreClase);
    return objeto;
}

quint64 HostComplementos::Registrar(const QString& nombreClase, Fabrica fabrica)
{
    const quint64 id = m_siguienteId++;
    m_registros[Clave(nombreClase)].append(Registro {id, std::move(fabrica)});
    return id;
}

void HostComplementos::Anular(const QString& nombreClase, quint64 id)
{
    const auto registrada = m_registros.find(Clave(nombreClase));
    if (registrada == m_registros.end())
        return;
    registrada->removeIf([id](const Registro& registro) { return registro.id == id; });
    if (registrada->isEmpty())
        m_registros.erase(registrada);
}

} // namespace addins
