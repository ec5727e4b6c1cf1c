#include "survey/Soporte.h"

#include "report/DocumentoTablas.h"
#include "survey/FormatoNumeros.h"

#include <QDir>

namespace {

using T = TBloqueDocumento::TTipo;

QString Entero(qint64 n)
{
  return FormatoEntero(double(n));
}

void AgregaCorrida(TDocumentoTablas& Doc, const TSoporte& Soporte)
{
  const TCorridaSoporte& c = Soporte.Corrida;
  Doc.Agrega(T::Seccion, QStringLiteral("Datos de la corrida"));
  TTablaDocumento Tabla{{QStringLiteral("Dato"), QStringLiteral("Valor")}, {}, {}, {30, 70}};
  for (const TArchivoSoporte& a : c.Archivos) {
    const QString sRol = a.sRol == QLatin1String("matriz") ? QStringLiteral("Back office") : QStringLiteral("Sucursal");
    Tabla.Filas << QStringList{sRol + QStringLiteral(": archivo"), a.sRuta}
                << QStringList{sRol + QStringLiteral(": tamaño"), Entero(a.nBytes) + QStringLiteral(" bytes")}
                << QStringList{sRol + QStringLiteral(": última modificación"),
                               a.Modificado.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))}
                << QStringList{sRol + QStringLiteral(": SHA-256"),
                               a.sError.isEmpty() ? a.sSha256 : QStringLiteral("no se pudo leer: ") + a.sError};
  }
  Tabla.Filas << QStringList{QStringLiteral("Empresa"), QStringLiteral("%1 · %2").arg(c.nEmpresa).arg(c.sEmpresa)}
              << QStringList{QStringLiteral("Usuario"), c.sUsuario}
              << QStringList{QStringLiteral("Tipo de cambio promedio 2014"), QString::number(c.dTipoCambio, 'g', 15)};
  for (int i = 0; i < c.Localidades.size(); ++i)
    Tabla.Filas << QStringList{QStringLiteral("Localidad de riesgo %1").arg(i + 1), c.Localidades[i]};
  for (const TTablaLeida& t : c.Tablas)
    Tabla.Filas << QStringList{QStringLiteral("Líneas leídas de %1").arg(t.sTabla),
                               QStringLiteral("%1 (de la empresa: %2; no canceladas: %3)")
                                   .arg(Entero(t.nLineas), Entero(t.nDeLaEmpresa), Entero(t.nVigentes))};
  Tabla.Filas << QStringList{QStringLiteral("Operaciones desde el 01/11/2011 (pregunta 5)"),
                             Entero(c.nOperacionesDesde2011)}
              << QStringList{QStringLiteral("Operaciones de 2014 (preguntas 17 a 22)"), Entero(c.nOperaciones2014)}
              << QStringList{QStringLiteral("Programa"), c.sVersion}
              << QStringList{QStringLiteral("Plataforma"), c.sPlataforma}
              << QStringList{QStringLiteral("Fecha y hora de la corrida"),
                             c.Fecha.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss t"))};
  Doc.AgregaTabla(Tabla);
}

void AgregaRanking(TDocumentoTablas& Doc, const TRankingSoporte& Ranking)
{
  Doc.Agrega(T::Subseccion, Ranking.sTitulo);
  bool bGuardado = false;
  for (const TFilaSoporte& fila : Ranking.Filas)
    bGuardado = bGuardado || !fila.sGuardado.isEmpty();
  TTablaDocumento Tabla;
  Tabla.Encabezados << (Ranking.bOrdenado ? QStringLiteral("Lugar") : QStringLiteral("Renglón"))
                    << Ranking.sColumnaValor;
  if (bGuardado)
    Tabla.Encabezados << QStringLiteral("Valor guardado");
  Tabla.Encabezados << Ranking.sColumnaCifra << Ranking.ColumnasExtra;
  if (Ranking.bOrdenado)
    Tabla.Encabezados << QStringLiteral("En el cuestionario");
  for (const TFilaSoporte& fila : Ranking.Filas) {
    QStringList Celdas{QString::number(fila.nLugar), fila.sValor};
    if (bGuardado)
      Celdas << fila.sGuardado;
    Celdas << fila.sCifra << fila.Extras;
    if (Ranking.bOrdenado) {
      QString sEstado = fila.bMostrada ? QStringLiteral("se muestra") : QStringLiteral("no se muestra");
      if (fila.bEmpate)
        sEstado += QStringLiteral(" · empate");
      Celdas << sEstado;
    }
    if (fila.bEmpate)
      Tabla.Resaltadas << int(Tabla.Filas.size());
    Tabla.Filas << Celdas;
  }
  if (Ranking.Filas.isEmpty())
    Doc.Agrega(T::Parrafo, QStringLiteral("La consulta no devolvió filas."));
  else
    Doc.AgregaTabla(Tabla);
  for (const TEmpateSoporte& empate : Ranking.Empates)
    Doc.Agrega(T::Parrafo, empate.sExplicacion);
  if (!Ranking.sNota.isEmpty())
    Doc.Agrega(T::Nota, Ranking.sNota);
  if (!Ranking.Consultas.isEmpty())
    Doc.Agrega(T::Nota, QStringLiteral("Consulta: %1 (apéndice).").arg(Ranking.Consultas.join(QStringLiteral(", "))));
}

void AgregaFuera(TDocumentoTablas& Doc, const TExclusionesSoporte& Fuera)
{
  Doc.Agrega(T::Subseccion, Fuera.sPeriodo.isEmpty()
                                ? QStringLiteral("Operaciones que quedaron fuera")
                                : QStringLiteral("Operaciones que quedaron fuera (%1)").arg(Fuera.sPeriodo));
  if (Fuera.Motivos.isEmpty()) {
    Doc.Agrega(T::Parrafo, Fuera.sSinJoins);
    return;
  }
  if (Fuera.nDistintas == 0) {
    Doc.Agrega(T::Parrafo, QStringLiteral("Ninguna operación quedó fuera."));
    return;
  }
  TTablaDocumento Tabla{{QStringLiteral("Motivo"), QStringLiteral("Operaciones"), QStringLiteral("Qué falta"),
                         QStringLiteral("Ejemplos (hasta 10)")},
                        {},
                        {},
                        {17, 11, 32, 40}};
  QStringList Notas;
  for (const TMotivoFuera& motivo : Fuera.Motivos) {
    Tabla.Filas << QStringList{motivo.sMotivo, Entero(motivo.nOperaciones), motivo.sDescripcion,
                               motivo.Ejemplos.isEmpty() ? QString()
                                                         : motivo.sTipoEjemplo + QStringLiteral(" ") +
                                                               motivo.Ejemplos.join(QStringLiteral("; "))};
    if (motivo.nPublico > 0)
      Notas << QStringLiteral("De las %1 operaciones «%2», %3 son del público en general (\"PÚBLICO EN GENERAL\").")
                   .arg(Entero(motivo.nOperaciones), motivo.sMotivo, Entero(motivo.nPublico));
  }
  Tabla.Filas << QStringList{QStringLiteral("distintas (total)"), Entero(Fuera.nDistintas),
                             QStringLiteral("una operación con varios motivos cuenta en cada uno y una sola vez aquí"),
                             QString()};
  Doc.AgregaTabla(Tabla);
  for (const QString& sNota : Notas)
    Doc.Agrega(T::Nota, sNota);
  Doc.Agrega(T::Nota, QStringLiteral("Consultas: %1 (apéndice).").arg(Fuera.Consultas.join(QStringLiteral(", "))));
}

}  // namespace

TDocumentoTablas DocumentoSoporte(const TSoporte& Soporte)
{
  TDocumentoTablas Doc;
  Doc.sTitulo = QStringLiteral("Soporte de las respuestas");
  Doc.Agrega(T::Titulo, Doc.sTitulo);
  Doc.Agrega(T::Parrafo,
             QStringLiteral("Qué decidió cada cifra del cuestionario: la lista de la que se tomó cada respuesta, "
                            "los empates y las operaciones que las consultas dejaron fuera. Cada cifra sale del "
                            "mismo motor de datos y del mismo SQL de Jet que las preguntas; el apéndice da cada "
                            "consulta para repetirla con jetsql sobre el mismo archivo. Este documento no cambia "
                            "ninguna respuesta."));
  Doc.Agrega(T::Parrafo, QStringLiteral("%1 operaciones quedaron fuera de alguna pregunta.")
                             .arg(Entero(Soporte.nFueraTotal)));
  for (const QString& sAviso : Soporte.Avisos)
    Doc.Agrega(T::Nota, sAviso);
  AgregaCorrida(Doc, Soporte);
  for (const TSeccionSoporte& seccion : Soporte.Secciones) {
    Doc.Agrega(T::Seccion, QStringLiteral("Pregunta %1. %2").arg(seccion.sPregunta, seccion.sTitulo));
    for (const TRankingSoporte& ranking : seccion.Rankings)
      AgregaRanking(Doc, ranking);
    for (const QString& sNota : seccion.Notas)
      Doc.Agrega(T::Nota, sNota);
    AgregaFuera(Doc, seccion.Fuera);
  }
  Doc.Agrega(T::Seccion, QStringLiteral("Apéndice: las consultas"));
  Doc.Agrega(T::Parrafo, QStringLiteral("Cada consulta se puede repetir con jetsql sobre el mismo archivo, por "
                                        "ejemplo: jetsql --password ... Tolvex.mdb \"SELECT ...\"."));
  const auto AgregaConsultas = [&Doc](const QList<TConsultaSoporte>& Consultas) {
    for (const TConsultaSoporte& consulta : Consultas) {
      Doc.Agrega(T::Subseccion, consulta.sId + QStringLiteral(" · ") + consulta.sDescripcion);
      Doc.Agrega(T::Consulta, consulta.sSQL);
    }
  };
  AgregaConsultas(Soporte.ConsultasCorrida);
  for (const TSeccionSoporte& seccion : Soporte.Secciones)
    AgregaConsultas(seccion.Consultas);
  return Doc;
}
