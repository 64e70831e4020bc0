// Definition of the grid's word tables.
#include "scenarios/grid_cell_records.h"

GridCellWords gridCellWords;

void ResetGridCellRecords() {
    gridCellWords = GridCellWords{};
}
