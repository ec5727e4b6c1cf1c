#include "data/PlantillaCuestionario.h"

#include "data/DibujosCuestionario.h"
#include "report/Reporte.h"

#include <QFile>

std::optional<TErrorPlantilla> CargaPlantillaCuestionario(TReporte& Reporte)
{
  Q_INIT_RESOURCE(plantilla);  // the resource lives in a static library
  Reporte.Limpia();
  RegistraDibujosCuestionario(Reporte);
  QFile archivo(QStringLiteral(":/cuestionario.json"));
  if (!archivo.open(QIODevice::ReadOnly))
    return TErrorPlantilla{{}, archivo.fileName() + ": " + archivo.errorString()};
  return CargaPlantilla(Reporte, archivo.readAll());
}

TAjustesPDF AjustesPDFCuestionario()
{
  return {"CuestionarioCNBV_2015", "Cuestionario CNBV 2015", "Cuestionario CNBV 2015", "Tolvex",
          "NombreCC"};
}
