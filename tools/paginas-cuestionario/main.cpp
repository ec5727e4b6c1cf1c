// paginas-cuestionario DIR: writes the eight questionnaire page pictures into DIR.
#include "LienzoPagina.h"
#include "PaginasDibujadas.h"
#include "data/PlantillaCuestionario.h"
#include "report/Reporte.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

const TPagina* PaginaConImagen(const TReporte& reporte, const QString& sImagen)
{
  for (const TPagina& pagina : reporte.Paginas())
    if (!pagina.imagenes.isEmpty() && pagina.imagenes.first().sNombre == sImagen)
      return &pagina;
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[])
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "uso: paginas-cuestionario CARPETA\n");
    return 2;
  }
  TReporte reporte;
  CargaPlantillaCuestionario(reporte);
  const QDir carpeta(QString::fromLocal8Bit(argv[1]));
  for (const TPaginaDibujada& dibujada : PaginasDibujadas()) {
    const TPagina* pagina = PaginaConImagen(reporte, dibujada.sImagen);
    if (!pagina) {
      std::fprintf(stderr, "la plantilla no tiene la imagen %s\n", qPrintable(dibujada.sImagen));
      return 1;
    }
    TLienzoPagina lienzo(*pagina, dibujada.pixeles);
    dibujada.Dibuja(lienzo);
    const QString sRuta = carpeta.filePath(dibujada.sImagen + ".jpg");
    if (!lienzo.Guarda(sRuta)) {
      std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(sRuta));
      return 1;
    }
  }
  return 0;
}
