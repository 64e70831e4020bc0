#include "graphs/threed/threed_graph_records.h"

uint16_t gridSource;
int16_t selectedGraphPosition;

uint32_t exportingImage;
uint32_t paintingForPrinter;
uint32_t exportDataAfterPaint;
int16_t whiteBackground = 1;
uint16_t showGraphLabels;

int32_t graphWidth;
int32_t graphHeight;
int32_t graphWindowWidth;
int32_t graphFontExtent;
int32_t printerHorzRes;
int32_t printerVertRes;

CellOutline cellOutline[kThreeDCells];

double valueAxisLow;
double valueAxisHigh;
double valueAxisStep;

double gridValues[kThreeDCells];
uint16_t cellStatus[kThreeDCells];
float rowAxisValues[kThreeDSide];
float columnAxisValues[kThreeDSide];
float columnAxisValuesCopy[kThreeDSide];
uint16_t rowOrderNatural;
uint16_t columnOrderNatural;

char graphTitle[kThreeDTextChars];
char graphUnitLabel[kThreeDTextChars];
char graphProfileTitle[kThreeDTextChars];
char graphSubtitle[kThreeDTextChars];

void ResetThreeDGraphRecords() {
    gridSource = 0;
    selectedGraphPosition = 0;
    exportingImage = paintingForPrinter = exportDataAfterPaint = 0;
    whiteBackground = 1;
    showGraphLabels = 0;
    graphWidth = graphHeight = graphWindowWidth = graphFontExtent = 0;
    printerHorzRes = printerVertRes = 0;
    for (CellOutline& o : cellOutline) o = CellOutline{};
    valueAxisLow = valueAxisHigh = valueAxisStep = 0.0;
    for (int i = 0; i < kThreeDCells; ++i) {
        gridValues[i] = 0.0;
        cellStatus[i] = 0;
    }
    for (int i = 0; i < kThreeDSide; ++i)
        rowAxisValues[i] = columnAxisValues[i] = columnAxisValuesCopy[i] = 0.0f;
    rowOrderNatural = columnOrderNatural = 0;
    graphTitle[0] = graphUnitLabel[0] = graphProfileTitle[0] = graphSubtitle[0] = '\0';
}
