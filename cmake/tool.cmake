# The tool: every subsystem in one library, so tests link what the program runs.
add_library(telvar_tool STATIC
  app/banner.cpp
  app/callbacks.cpp
  app/connection_indicator.cpp
  app/navigation.cpp
  app/panel_events.cpp
  app/startup.cpp
  firmware/download.cpp
  firmware/merge.cpp
  firmware/merge_files.cpp
  firmware/srecord.cpp
  firmware/text_lines.cpp
  firmware/update_panel.cpp
  link/com232.cpp
  link/command.cpp
  link/connect_dialog.cpp
  link/error_texts.cpp
  link/ip_history.cpp
  link/ip_history_records.cpp
  link/line_check.cpp
  link/line_open.cpp
  link/line_table.cpp
  link/line_watch.cpp
  link/reconnect.cpp
  link/serial_line.cpp
  link/tcp_line.cpp
  link/wait_cursor.cpp
  params/conversions.cpp
  params/events.cpp
  params/labels.cpp
  params/mapping.cpp
  params/output_presets.cpp
  params/outputs.cpp
  params/pages.cpp
  params/record.cpp
  params/selectors.cpp
  scope/acquisition.cpp
  scope/actions.cpp
  scope/data_memory.cpp
  scope/loop.cpp
  scope/recorder.cpp
  scope/recorder_csv.cpp
  scope/row_pieces.cpp
  scope/trace_table.cpp
  scope/traces.cpp
  storage/ini_reader.cpp
  storage/ini_text.cpp
  storage/parameter_file.cpp
  storage/parameter_keys.cpp
  storage/parameter_text.cpp
  storage/transfer.cpp
  testmode/test_data.cpp
  testmode/test_mode.cpp
  ui/buttons.cpp
  ui/panels.cpp
  ui/roles.cpp
  ui/status.cpp
)
target_include_directories(telvar_tool PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(telvar_tool PUBLIC telvar_platform telvar_frame)
# The built-in banner pictures; the SVG image plug-in draws them.
qt_add_resources(telvar_tool "branding" PREFIX "/branding" BASE app/branding
  FILES app/branding/logo_a.svg app/branding/logo_b.svg)

add_executable(telvar-k20-dizer app/main.cpp)
target_link_libraries(telvar-k20-dizer PRIVATE telvar_tool)

# The panel files are read at run time from beside the program.
file(GLOB TELVAR_PANEL_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ui/*.uir)
set(TELVAR_PANEL_COPIES)
foreach(panel_file ${TELVAR_PANEL_FILES})
  get_filename_component(panel_name ${panel_file} NAME)
  set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${panel_name})
  add_custom_command(OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${panel_file} ${copy}
    DEPENDS ${panel_file})
  list(APPEND TELVAR_PANEL_COPIES ${copy})
endforeach()
add_custom_target(telvar_panels ALL DEPENDS ${TELVAR_PANEL_COPIES})
add_dependencies(telvar-k20-dizer telvar_panels)
