#include "addin_doubles/MockGestPar.h"

namespace dobles {

MockGestPar::MockGestPar()
{
    ON_CALL(*this, DatosSetup).WillByDefault(::testing::Return(true));
}

MockGestPar::~MockGestPar() = default;

void MockGestPar::ImportarKaldexGP(db::Connection& conLocal, QList<QLabel*>& colEtiquetas, QString& strPathBautismo,
                                   QString& strPathConfirmacion, QString& strPathMatrimonio, QString& strPathDefuncion,
                                   qint32& lngIDInstitucion, QString& strSiglo, QProgressBar* prgProgreso,
                                   qint16 intDatosBautismo, const QString& strParroquiaBautismo,
                                   const QString& strDiocesisBautismo, qint32& lngMunicipioBautismo,
                                   qint16 intDatosConfirmacion, const QString& strParroquiaConfirmacion,
                                   const QString& strDiocesisConfirmacion, qint32& lngMunicipioConfirmacion,
                                   qint16 intDatosMatrimonio, const QString& strParroquiaMatrimonio,
                                   const QString& strDiocesisMatrimonio, qint32& lngMunicipioMatrimonio,
                                   qint16 intDatosDefuncion, const QString& strParroquiaDefuncion,
                                   const QString& strDiocesisDefuncion, qint32& lngMunicipioDefuncion,
                                   quint8& bytOrdenNombres, qint32 lngFormatoBautismo, qint32 lngFormatoConfirmacion,
                                   qint32 lngFormatoMatrimonio, qint32 lngFormatoDefuncion)
{
    ImportarKaldexGP(LlamadaImportarKaldexGP {
        .conLocal = &conLocal,
        .colEtiquetas = &colEtiquetas,
        .strPathBautismo = &strPathBautismo,
        .strPathConfirmacion = &strPathConfirmacion,
        .strPathMatrimonio = &strPathMatrimonio,
        .strPathDefuncion = &strPathDefuncion,
        .lngIDInstitucion = &lngIDInstitucion,
        .strSiglo = &strSiglo,
        .prgProgreso = prgProgreso,
        .intDatosBautismo = intDatosBautismo,
        .strParroquiaBautismo = strParroquiaBautismo,
        .strDiocesisBautismo = strDiocesisBautismo,
        .lngMunicipioBautismo = &lngMunicipioBautismo,
        .intDatosConfirmacion = intDatosConfirmacion,
        .strParroquiaConfirmacion = strParroquiaConfirmacion,
        .strDiocesisConfirmacion = strDiocesisConfirmacion,
        .lngMunicipioConfirmacion = &lngMunicipioConfirmacion,
        .intDatosMatrimonio = intDatosMatrimonio,
        .strParroquiaMatrimonio = strParroquiaMatrimonio,
        .strDiocesisMatrimonio = strDiocesisMatrimonio,
        .lngMunicipioMatrimonio = &lngMunicipioMatrimonio,
        .intDatosDefuncion = intDatosDefuncion,
        .strParroquiaDefuncion = strParroquiaDefuncion,
        .strDiocesisDefuncion = strDiocesisDefuncion,
        .lngMunicipioDefuncion = &lngMunicipioDefuncion,
        .bytOrdenNombres = &bytOrdenNombres,
        .lngFormatoBautismo = lngFormatoBautismo,
        .lngFormatoConfirmacion = lngFormatoConfirmacion,
        .lngFormatoMatrimonio = lngFormatoMatrimonio,
        .lngFormatoDefuncion = lngFormatoDefuncion,
    });
}

} // namespace dobles
