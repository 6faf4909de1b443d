# The word-list load and the update's reading of its files, fuzzed beside the
# dictionary rules and the settings record.
add_library(fuzz_readers STATIC
  ${root}/ticker/ListaSlow.cpp
  ${root}/online_update/UpdateSteps.cpp)
target_include_directories(fuzz_readers PUBLIC ${root}/online_update ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fuzz_readers PUBLIC fuzz_core)

fuzz_target(fuzz_word_list ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_word_list.cpp fuzz_readers)
fuzz_target(fuzz_merge ${root}/online_update/fuzz/fuzz_merge.cpp fuzz_readers)
fuzz_target(fuzz_version_reply ${root}/online_update/fuzz/fuzz_version_reply.cpp fuzz_readers)

# The editor's rows (a Qt item model, hence moc).
add_library(fuzz_editor STATIC ${root}/editor/DictionaryModel.cpp)
set_target_properties(fuzz_editor PROPERTIES AUTOMOC ON)
target_include_directories(fuzz_editor PUBLIC ${root}/editor ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fuzz_editor PUBLIC fuzz_core)
fuzz_target(fuzz_editor_rows ${root}/editor/fuzz/fuzz_editor_rows.cpp fuzz_editor)
