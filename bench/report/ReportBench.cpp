// The report engine against a plain QPainter loop, both writing a PDF file
// with the same fonts:
//   - Certificados/*: 1,000 rows, one certificate page each (about thirty
//     texts, a justified paragraph, lines and a box);
//   - Lista/*: a 2,000-row list with page header and footer (about fifty
//     rows a page).
// "Motor" is the whole print: template read, rows read from the database,
// layout and PDF. "QPainter" draws, on a new PDF writer, the very texts and
// positions of the engine's pages, with nothing else to do: the floor any
// engine stands on. "Maquetacion/N" is the layout alone of an N-row list,
// to see that its cost grows with the rows and no faster.
//
//   bench_platform_report [--benchmark_filter=...]

#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/report/DatosInforme.h"
#include "platform/report/LectorPlantilla.h"
#include "platform/report/Maquetador.h"
#include "platform/report/MemoriaPdf.h"
#include "platform/report/MetricasTexto.h"
#include "platform/report/MotorInforme.h"
#include "platform/report/PintorPaginas.h"
#include "platform/report/SalidaPdf.h"
#include "platform/report/TablaFormulas.h"
#include "platform/ui/Ui.h"

#include "support/UiSilenciosa.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCertificados = 1000;
constexpr int kFilasLista = 2000;
const QString kClave = QStringLiteral("clave");

const char* const kNombres[] = {"Begoña", "José Ángel", "María del Carmen", "Íñigo", "Lucía", "Óscar", "Nuria", "Raúl"};
const char* const kApellidos[] = {"Núñez", "Ibáñez", "Álvarez", "Muñoz", "García", "Peña", "Sánchez", "López"};

const char* const kCertificado = R"(<?xml version="1.0" encoding="UTF-8"?>
<plantilla version="1" letra="serif" puntos="11.5">
  <pagina tamano="A4" superior="22" izquierdo="25" derecho="20" inferior="18"/>
  <datos tabla="Certificados" orden="+{Certificados.Orden}"/>
  <piePagina>
    <linea x1="0" y1="0" x2="165" y2="0" grosor="0.2"/>
    <texto x="0" y="2" ancho="120" letra="sans" puntos="7.5">{Certificados.Parroquia} · {Certificados.Poblacion}</texto>
    <texto x="120" y="2" ancho="45" alineacion="derecha" letra="sans" puntos="7.5">Página {#Pagina} de {#Paginas}</texto>
  </piePagina>
  <detalle nuevaPagina="si">
    <seccion alto="44">
      <texto x="0" y="0" ancho="165" alineacion="centro" letra="sans" puntos="8.5">DIÓCESIS DE {Certificados.Diocesis}</texto>
      <texto x="0" y="5" ancho="165" alineacion="centro" puntos="15" negrita="si">Parroquia {Certificados.Parroquia}</texto>
      <texto x="0" y="12.5" ancho="165" alineacion="centro" letra="sans" puntos="8.5">{Certificados.Domicilio} · {Certificados.Poblacion}</texto>
      <linea x1="0" y1="19" x2="165" y2="19" grosor="0.5"/>
      <texto x="0" y="27" ancho="165" alineacion="centro" puntos="17" negrita="si">CERTIFICADO DE BAUTISMO</texto>
      <texto x="0" y="35" ancho="165" alineacion="centro" puntos="9" cursiva="si">Libro {Certificados.Libro} · Folio {Certificados.Folio} · Número {Certificados.Numero}</texto>
    </seccion>
    <seccion alto="12">
      <texto x="0" y="0" ancho="165">{Certificados.Firmante}, cura párroco de esta parroquia,</texto>
      <texto x="0" y="6" ancho="165" negrita="si">CERTIFICA:</texto>
    </seccion>
    <seccion alto="12">
      <texto x="0" y="0" ancho="165" alineacion="centro" puntos="14" negrita="si">{Certificados.Nombre} {Certificados.Apellidos}</texto>
    </seccion>
    <seccion alto="10">
      <texto x="10" y="0" ancho="155" alineacion="justificado">que nació en {Certificados.Lugar} el día {Certificados.FechaNacimiento:fechaLarga}, y recibió el santo bautismo el día {Certificados.FechaBautismo:fechaLarga} de manos de {Certificados.Ministro}. Son sus padres {Certificados.Padre} y {Certificados.Madre}. Fueron padrinos {Certificados.Padrino} y {Certificados.Madrina}.</texto>
    </seccion>
    <seccion alto="62">
      <texto x="10" y="6" ancho="155" alineacion="justificado">Y para que así conste, expido el presente certificado en {Certificados.Poblacion}, a {Certificados.FechaExpedicion:fechaLarga}.</texto>
      <caja x="12" y="22" ancho="36" alto="36" grosor="0.2"/>
      <texto x="12" y="38" ancho="36" alineacion="centro" letra="sans" puntos="7">(Sello de la parroquia)</texto>
      <linea x1="90" y1="46" x2="160" y2="46" grosor="0.2"/>
      <texto x="90" y="48" ancho="70" alineacion="centro">{Certificados.Firmante}</texto>
      <texto x="90" y="53.5" ancho="70" alineacion="centro" puntos="9.5" cursiva="si">Cura párroco</texto>
    </seccion>
  </detalle>
</plantilla>
)";

const char* const kLista = R"(<?xml version="1.0" encoding="UTF-8"?>
<plantilla version="1" letra="sans" puntos="9">
  <pagina tamano="A4" superior="15" izquierdo="15" derecho="15" inferior="15"/>
  <datos tabla="Lista" orden="+{Lista.Orden}"/>
  <formula nombre="PtsEur" valor="2"/>
  <cabeceraPagina alto="12">
    <texto x="0" y="0" ancho="180" puntos="12" negrita="si">Relación de donativos</texto>
    <texto x="0" y="6" ancho="60" negrita="si">Nombre</texto>
    <texto x="60" y="6" ancho="50" negrita="si">Población</texto>
    <texto x="110" y="6" ancho="25" negrita="si">Fecha</texto>
    <texto x="135" y="6" ancho="45" alineacion="derecha" negrita="si">Importe</texto>
    <linea x1="0" y1="11" x2="180" y2="11"/>
  </cabeceraPagina>
  <detalle alto="4.6">
    <texto x="0" y="0" ancho="60" crece="no">{Lista.Apellidos}, {Lista.Nombre}</texto>
    <texto x="60" y="0" ancho="50" crece="no">{Lista.Poblacion}</texto>
    <texto x="110" y="0" ancho="25">{Lista.Fecha:fecha}</texto>
    <texto x="135" y="0" ancho="45" alineacion="derecha">{Lista.Importe:n@PtsEur}</texto>
  </detalle>
  <pieInforme alto="8">
    <linea x1="135" y1="1" x2="180" y2="1"/>
    <texto x="135" y="2" ancho="45" alineacion="derecha" negrita="si">{Suma(Lista.Importe):n@PtsEur}</texto>
  </pieInforme>
  <piePagina alto="6">
    <texto x="0" y="1" ancho="180" alineacion="derecha" puntos="7.5">Página {#Pagina} de {#Paginas}</texto>
  </piePagina>
</plantilla>
)";

QString Texto(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The report database and the two templates, made once for the run.
class Datos {
public:
    static Datos& Unica()
    {
        static Datos datos;
        return datos;
    }

    QString base() const { return m_dir.filePath(QStringLiteral("Informes.mdb")); }
    QString plantilla(const QString& nombre) const { return m_dir.filePath(nombre); }

    // The list table with `filas` rows (rebuilt when the count changes).
    void llenarLista(int filas)
    {
        if (filas == m_filasLista)
            return;
        db::Connection con;
        con.Open(db::ConnectionString::forFile(base(), kClave));
        con.BeginTrans();
        con.Execute(QStringLiteral("DELETE FROM Lista"));
        for (int i = 0; i < filas; ++i) {
            con.Exec(QStringLiteral("INSERT INTO Lista (Orden, Nombre, Apellidos, Poblacion, Fecha, Importe) "
                                    "VALUES (?, ?, ?, ?, ?, ?)"),
                     {i, Texto(kNombres[i % 8]),
                      Texto(kApellidos[i % 8]) + u' ' + Texto(kApellidos[(i / 8) % 8]),
                      QStringLiteral("Peñíscola %1").arg(i % 97), QStringLiteral("2024%1%2").arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1 + i % 28, 2, 10, QLatin1Char('0')),
                      double(i % 500) + 0.25 * (i % 4)});
        }
        con.CommitTrans();
        m_filasLista = filas;
    }

private:
    Datos()
    {
        db::CreateDatabase(base(), kClave);
        db::Connection con;
        con.Open(db::ConnectionString::forFile(base(), kClave));
        con.Execute(QStringLiteral(
            "CREATE TABLE Certificados (IDCertificados COUNTER PRIMARY KEY, Orden INT, Diocesis NVARCHAR(255), "
            "Parroquia NVARCHAR(255), Domicilio NVARCHAR(255), Poblacion NVARCHAR(255), Libro NVARCHAR(255), Folio INT, "
            "Numero NVARCHAR(10), Nombre NVARCHAR(40), Apellidos NVARCHAR(80), Lugar NVARCHAR(255), "
            "FechaNacimiento NVARCHAR(8), FechaBautismo NVARCHAR(8), Ministro NVARCHAR(255), Padre NVARCHAR(255), "
            "Madre NVARCHAR(255), Padrino NVARCHAR(255), Madrina NVARCHAR(255), Firmante NVARCHAR(255), "
            "FechaExpedicion NVARCHAR(8))"));
        con.Execute(QStringLiteral("CREATE TABLE Lista (IDLista COUNTER PRIMARY KEY, Orden INT, Nombre NVARCHAR(40), "
                                   "Apellidos NVARCHAR(80), Poblacion NVARCHAR(255), Fecha NVARCHAR(8), Importe FLOAT)"));
        con.BeginTrans();
        for (int i = 0; i < kCertificados; ++i) {
            const QString nombre = Texto(kNombres[i % 8]);
            const QString apellidos = Texto(kApellidos[i % 8]) + u' ' + Texto(kApellidos[(i / 8) % 8]);
            con.Exec(QStringLiteral("INSERT INTO Certificados (Orden, Diocesis, Parroquia, Domicilio, Poblacion, Libro, "
                                    "Folio, Numero, Nombre, Apellidos, Lugar, FechaNacimiento, FechaBautismo, Ministro, "
                                    "Padre, Madre, Padrino, Madrina, Firmante, FechaExpedicion) "
                                    "VALUES (?, 'SEGORBE-CASTELLÓN', 'San Juan Bautista', 'Plaza de la Iglesia, 1', "
                                    "'Peñíscola', ?, ?, ?, ?, ?, 'Peñíscola (Castellón)', '20070305', '20070415', "
                                    "'D. Francisco Javier Peña', ?, ?, ?, ?, 'D. Francisco Javier Peña Gómez', "
                                    "'20250301')"),
                     {i, QString::number(1 + i / 400), 1 + (i % 400) / 2, QString::number(i + 1), nombre, apellidos,
                      QStringLiteral("José %1").arg(apellidos), QStringLiteral("María %1").arg(Texto(kApellidos[(i + 3) % 8])),
                      QStringLiteral("Andrés %1").arg(Texto(kApellidos[(i + 5) % 8])),
                      QStringLiteral("Lucía %1").arg(Texto(kApellidos[(i + 6) % 8]))});
        }
        con.CommitTrans();
        con.Close();
        for (const auto& [nombre, xml] : {std::pair{"cert.rpt", kCertificado}, std::pair{"lista.rpt", kLista}}) {
            QFile f(plantilla(QString::fromLatin1(nombre)));
            f.open(QIODevice::WriteOnly);
            f.write(xml);
        }
        llenarLista(kFilasLista);
    }

    QTemporaryDir m_dir;
    int m_filasLista = 0;
};

report::PeticionInforme Peticion(const QString& plantilla)
{
    report::PeticionInforme p;
    p.plantilla = Datos::Unica().plantilla(plantilla);
    p.datos = Datos::Unica().base();
    p.clave = QStringLiteral("\n") + kClave;
    p.titulo = QStringLiteral("Prueba de velocidad");
    return p;
}

// The plain loop: every text run of the pages, drawn at its place with its
// font on a new PDF writer; lines and boxes too.
void DibujarConQPainter(const report::ModeloPaginas& modelo, QIODevice& destino)
{
    report::PrepararMemoriaPdf(); // the same process either way
    QPdfWriter pdf(&destino);
    pdf.setResolution(1200);
    pdf.setPageLayout(report::DisposicionDe(modelo));
    QPainter p(&pdf);
    const double ppm = 1200 / 25.4;
    report::EstiloTexto estilo;
    p.setFont(report::MetricasTexto::Fuente(estilo));
    for (std::size_t n = 0; n < modelo.paginas.size(); ++n) {
        if (n > 0)
            pdf.newPage();
        const report::Pagina& pagina = modelo.paginas[n];
        for (const report::CajaPagina& c : pagina.cajas)
            p.drawRect(QRectF(c.caja.topLeft() * ppm, c.caja.size() * ppm));
        for (const report::LineaPagina& l : pagina.lineas)
            p.drawLine(QLineF(l.linea.p1() * ppm, l.linea.p2() * ppm));
        for (const report::TextoPagina& t : pagina.textos) {
            if (!(t.estilo == estilo)) {
                estilo = t.estilo;
                p.setFont(report::MetricasTexto::Fuente(t.estilo));
            }
            p.drawText(t.origen * ppm, t.texto);
        }
    }
}

// Both write a PDF file, as a print does.
QString Salida()
{
    return Datos::Unica().plantilla(QStringLiteral("salida.pdf"));
}

void Motor(benchmark::State& state, const QString& plantilla)
{
    Datos::Unica().llenarLista(kFilasLista);
    std::size_t paginas = 0;
    for (auto _ : state) {
        const report::ModeloPaginas modelo = report::GenerarInforme(Peticion(plantilla));
        report::GuardarPdf(modelo, Salida());
        paginas = modelo.paginas.size();
    }
    state.counters["paginas"] = double(paginas);
    state.counters["paginas/s"] = benchmark::Counter(double(paginas), benchmark::Counter::kIsIterationInvariantRate);
}

void ConQPainter(benchmark::State& state, const QString& plantilla)
{
    Datos::Unica().llenarLista(kFilasLista);
    const report::ModeloPaginas modelo = report::GenerarInforme(Peticion(plantilla));
    for (auto _ : state) {
        QFile archivo(Salida());
        archivo.open(QIODevice::WriteOnly | QIODevice::Truncate);
        DibujarConQPainter(modelo, archivo);
    }
    state.counters["paginas"] = double(modelo.paginas.size());
    state.counters["paginas/s"] =
        benchmark::Counter(double(modelo.paginas.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Certificados_Motor(benchmark::State& state) { Motor(state, QStringLiteral("cert.rpt")); }
void BM_Certificados_QPainter(benchmark::State& state) { ConQPainter(state, QStringLiteral("cert.rpt")); }
void BM_Lista_Motor(benchmark::State& state) { Motor(state, QStringLiteral("lista.rpt")); }
void BM_Lista_QPainter(benchmark::State& state) { ConQPainter(state, QStringLiteral("lista.rpt")); }

// The layout alone over rows already read.
void BM_Maquetacion(benchmark::State& state)
{
    Datos& d = Datos::Unica();
    d.llenarLista(int(state.range(0)));
    const report::Plantilla plantilla = report::LeerPlantilla(d.plantilla(QStringLiteral("lista.rpt")));
    db::Connection con;
    con.Open(db::ConnectionString::forFile(d.base(), kClave), true);
    const report::DatosInforme datos = report::LeerDatos(con, plantilla, {});
    report::TablaFormulas formulas(plantilla.formulas);
    for (auto _ : state)
        benchmark::DoNotOptimize(report::Maquetar(plantilla, &datos, formulas, {}).paginas.size());
    state.counters["filas/s"] = benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_Certificados_Motor)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Certificados_QPainter)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Lista_Motor)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Lista_QPainter)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Maquetacion)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond)->MinTime(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    UiSilenciosa silenciosa;
    ui::SetCurrent(&silenciosa);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::SetCurrent(nullptr);
    return silenciosa.mensajes == 0 ? 0 : 1;
}
