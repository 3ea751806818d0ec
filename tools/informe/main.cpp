// informe: renders a report template to PDF without the program, for
// template authors and checks.
//
//   informe PLANTILLA.rpt --datos Informes.mdb [--clave TEXTO]
//           [--formula "Nombre=valor"]... [--orden "+{Tabla.Campo}"]...
//           --pdf SALIDA.pdf
//
// Exit code 0 when the PDF is written; otherwise the engine's error number
// and text go to stderr and the code is 1 (2 for a wrong command line).
#include "platform/pvapi/cCPassword.h"
#include "platform/report/MotorInforme.h"
#include "platform/report/SalidaPdf.h"
#include "platform/vb/VbError.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr int kErrorInforme = 1;
constexpr int kErrorUso = 2;

void Escribir(FILE* destino, const QString& texto)
{
    std::fputs(qPrintable(texto + u'\n'), destino);
}

// Paths of the command line are the user's: relative to the current folder,
// never to the program folder.
QString Absoluta(const QString& ruta)
{
    return ruta.isEmpty() ? ruta : QFileInfo(ruta).absoluteFilePath();
}

} // namespace

int main(int argc, char* argv[])
{
    // Only PDF is written: no window system is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("informe"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Genera en PDF un informe de una plantilla .rpt."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PLANTILLA.rpt"), QStringLiteral("Plantilla del informe."));
    const QCommandLineOption datos(QStringLiteral("datos"), QStringLiteral("Base de datos de informes."),
                                   QStringLiteral("Informes.mdb"));
    const QCommandLineOption clave(QStringLiteral("clave"), QStringLiteral("Contraseña de la base de datos."),
                                   QStringLiteral("TEXTO"), PVAPI::cCPassword::PASSWORD_INFORMES());
    const QCommandLineOption formula(QStringLiteral("formula"), QStringLiteral("Fórmula \"Nombre=valor\"."),
                                     QStringLiteral("FORMULA"));
    const QCommandLineOption orden(QStringLiteral("orden"), QStringLiteral("Campo de orden \"+{Tabla.Campo}\"."),
                                   QStringLiteral("CAMPO"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Archivo PDF de salida."),
                                 QStringLiteral("SALIDA.pdf"));
    parser.addOptions({datos, clave, formula, orden, pdf});
    parser.process(app);

    if (parser.positionalArguments().size() != 1 || !parser.isSet(pdf)) {
        Escribir(stderr, parser.helpText());
        return kErrorUso;
    }

    report::PeticionInforme p;
    p.plantilla = Absoluta(parser.positionalArguments().front());
    p.datos = Absoluta(parser.value(datos));
    p.clave = parser.value(clave);
    p.formulas = parser.values(formula);
    p.orden = parser.values(orden);
    p.titulo = QFileInfo(p.plantilla).completeBaseName();
    try {
        report::GuardarPdf(report::GenerarInforme(p), Absoluta(parser.value(pdf)));
    } catch (const vb::VbError& e) {
        Escribir(stderr, QStringLiteral("Error %1: %2").arg(e.number()).arg(e.description()));
        return kErrorInforme;
    }
    return 0;
}
