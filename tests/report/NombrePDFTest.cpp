#include "report/NombrePDF.h"
#include "report/Reporte.h"

#include <gtest/gtest.h>

namespace {

struct TCasoNombre {
  const char* sEmpresa;  // printed text of the company variable; nullptr: not set
  const char* sNombre;
};

// The company as printed, without the characters a file name cannot hold.
TEST(NombrePropuestoPDF, EmpresaYFecha)
{
  const TCasoNombre Casos[] = {
      {"Casa de Cambio O'Higgins, S.A. de C.V.",
       "CuestionarioCNBV_2015 - Casa de Cambio O'Higgins, S.A. de C.V. - 2016-03-31.pdf"},
      {"Divisas \"Norte\" / Sur: 24*7?", "CuestionarioCNBV_2015 - Divisas Norte Sur 247 - 2016-03-31.pdf"},
      {"  Cambios   del\tCentro  ", "CuestionarioCNBV_2015 - Cambios del Centro - 2016-03-31.pdf"},
      {"", "CuestionarioCNBV_2015 - 2016-03-31.pdf"},
  };
  for (const TCasoNombre& Caso : Casos) {
    TReporte Reporte;
    Reporte.Variables().AgregaCategoria("Cuestionario");
    Reporte.Variables().AgregaVariable("NombreCC", std::nullopt);
    Reporte.SetVariable("Cuestionario", "NombreCC",
                        "'" + QString::fromUtf8(Caso.sEmpresa).replace("'", "''") + "'");
    Reporte.SetAjustesPDF({"CuestionarioCNBV_2015", "", "", "", "NombreCC"});
    EXPECT_EQ(NombrePropuestoPDF(Reporte, QDate(2016, 3, 31)), QString::fromUtf8(Caso.sNombre))
        << Caso.sEmpresa;
  }
}

TEST(NombrePropuestoPDF, SinAjustesElNombreDelReporte)
{
  TReporte Reporte;
  Reporte.SetNombreArchivo("Encuesta GAFI 2016");
  EXPECT_EQ(NombrePropuestoPDF(Reporte, QDate(2016, 3, 31)), "Encuesta GAFI 2016 - 2016-03-31.pdf");
}

}  // namespace
