// Every subsystem's records back to their start-of-run state, so that one
// whole run leaves nothing behind for the next.
#pragma once

#include "engine/balancing/balancing_records.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/dose/dose_records.h"
#include "engine/dose/dose_test_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/inputs/water_gas_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/saturation/water_results_records.h"
#include "engine/speciation/ph_solve_records.h"
#include "engine/speciation/speciation_records.h"
#include "engine/tables/constants_records.h"
#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/profile_graph_records.h"
#include "graphs/records.h"
#include "graphs/state/graph_snapshot_records.h"
#include "graphs/text_colour_records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/window/threed_window_records.h"
#include "imaging/image_records.h"
#include "imaging/jpeg/jpeg_records.h"
#include "imaging/png/png_records.h"
#include "imaging/print/print_image_records.h"
#include "imaging/tiff/tiff_records.h"
#include "input/clipboard_records.h"
#include "input/description_records.h"
#include "input/mixzone/cycle_records.h"
#include "input/multimix/multimix_input_records.h"
#include "input/phcurve/alk_curve_records.h"
#include "input/phcurve/phcurve_records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/selections/selection_records.h"
#include "input/unit_factor_records.h"
#include "input/units/units_dialog_records.h"
#include "input/water_temperature_records.h"
#include "input/waterform/water_form_records.h"
#include "input/whatif/whatif_dialog_records.h"
#include "input/whatif_switch_records.h"
#include "pages/frame/page_state_records.h"
#include "pages/records.h"
#include "printing/options/print_option_records.h"
#include "printing/page/report_page_records.h"
#include "printing/print_job_records.h"
#include "printing/reports/csv/csv_export_records.h"
#include "printing/reports/report_time_records.h"
#include "printing/summary/summary_records.h"
#include "reporttext/report_buffer_records.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/grids/grid_cell_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/calendar/calendar_records.h"
#include "shell/choosers/chooser_records.h"
#include "shell/commands/analysis_backup_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/mainwindow/well_log_records.h"
#include "shell/preferences/preferences_records.h"
#include "shell/progress/progress_records.h"
#include "shell/records.h"
#include "shell/settings/heading_records.h"
#include "shell/startup/startup_records.h"
#include "shell/whatif/whatif_command_records.h"
#include "shell/workfile/work_file_records.h"
#include "treatment/files/older_product_records.h"
#include "treatment/records.h"
#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/range/range_records.h"
#include "graphs/welllog/well_log_graph_records.h"

inline void ResetEveryRecord() {
    ResetAlkCurveRecords();
    ResetWellLogGraphRecords();
    ResetAlkGraphRecords();
    ResetRangeRecords();
    ResetAnalysisBackupRecords();
    ResetBalancingRecords();
    ResetCalendarRecords();
    ResetCarbonateRecords();
    ResetChooserRecords();
    ResetClipboardRecords();
    ResetConstantsRecords();
    ResetCsvExportRecords();
    ResetCycleRecords();
    ResetDescriptionRecords();
    ResetDisplaySettingsRecords();
    ResetDoseRecords();
    ResetDoseTestRecords();
    ResetEngineRecords();
    ResetGraphIndexRecords();
    ResetGraphOutputRecords();
    ResetGraphSnapshotRecords();
    ResetGraphsRecords();
    ResetGridCellRecords();
    ResetHeadingRecords();
    ResetImagePrintRecords();
    ResetImageRecords();
    ResetInputRecords();
    ResetInputsRecords();
    ResetJpegRecords();
    ResetMainWindowRecords();
    ResetMixingProfileRecords();
    ResetMixingRecords();
    ResetMultiMixInputRecords();
    ResetMultiMixRecords();
    ResetOlderProductRecords();
    ResetPageStateRecords();
    ResetPagesRecords();
    ResetPhCurveRecords();
    ResetPhSolveRecords();
    ResetPipelineRecords();
    ResetPngRecords();
    ResetPreferencesRecords();
    ResetPrintJobRecords();
    ResetPrintOptionRecords();
    ResetProfileGraphRecords();
    ResetProgressRecords();
    ResetReportBufferRecords();
    ResetReportPageRecords();
    ResetReportTimeRecords();
    ResetResidenceRecords();
    ResetResultsRecords();
    ResetScenarioRecords();
    ResetSelectedParamsRecords();
    ResetSelectionRecords();
    ResetShellRecords();
    ResetSpeciationRecords();
    ResetStartupRecords();
    ResetSummaryRecords();
    ResetTextColourRecords();
    ResetThreeDGraphRecords();
    ResetThreeDWindowRecords();
    ResetTiffRecords();
    ResetTreatmentRecords();
    ResetTwoDGraphRecords();
    ResetUnitFactorRecords();
    ResetUnitsDialogRecords();
    ResetWaterFormRecords();
    ResetWaterGasRecords();
    ResetWaterResultsRecords();
    ResetWaterTemperatureRecords();
    ResetWellLogRecords();
    ResetWellRecords();
    ResetWhatIfCommandRecords();
    ResetWhatIfDialogRecords();
    ResetWhatIfSwitchRecords();
    ResetWorkFileRecords();
}
