// Definition of the grid's word tables.
#include "scenarios/grids/grid_cell_records.h"

GridCellWords gridCellWords;

void ResetGridCellRecords() {
    gridCellWords = GridCellWords{};
}
