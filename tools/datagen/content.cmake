# quorrel-datagen draws the artwork, rasterises the fonts and writes the geometry, then packs the
# shipped archives. It runs as part of every build and again whenever data/ or its code changes.
file(GLOB datagen_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(quorrel-datagen ${datagen_sources})
target_include_directories(quorrel-datagen PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(quorrel-datagen PRIVATE q_archive q_graphics PkgConfig::CAIRO PkgConfig::FREETYPE
                      PNG::PNG)
if(TARGET datagen_audio)
    target_link_libraries(quorrel-datagen PRIVATE datagen_audio)
    target_compile_definitions(quorrel-datagen PRIVATE QUORREL_DATAGEN_AUDIO=1)
endif()
if(TARGET datagen_effects)
    target_link_libraries(quorrel-datagen PRIVATE datagen_effects)
    target_compile_definitions(quorrel-datagen PRIVATE QUORREL_DATAGEN_EFFECTS=1)
endif()
# Beside the game folder, not in it: the generator does not ship.
set_target_properties(quorrel-datagen PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                      ${CMAKE_BINARY_DIR}/tools)

file(GLOB_RECURSE datagen_inputs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
set(datagen_outputs
    ${QUORREL_GAME_DIR}/game/game.zxc
    ${QUORREL_GAME_DIR}/levels/squares.zxc
    ${QUORREL_GAME_DIR}/lng/ENU_1.lng)
add_custom_command(
    OUTPUT ${datagen_outputs}
    COMMAND quorrel-datagen --data ${CMAKE_SOURCE_DIR}/data --out ${QUORREL_GAME_DIR}
    DEPENDS quorrel-datagen ${datagen_inputs}
    COMMENT "Building the game's content archives"
    VERBATIM)
add_custom_target(quorrel-content ALL DEPENDS ${datagen_outputs})

# Test programs are declared after this file by the top-level CMakeLists.txt: once they exist,
# every test program gets fresh content before it runs, and the content tests learn where the
# generator is.
function(quorrel_content_for_tests)
    file(GLOB test_dirs LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/*)
    foreach(dir ${test_dirs})
        get_filename_component(name ${dir} NAME)
        if(TARGET test_${name})
            add_dependencies(test_${name} quorrel-content)
        endif()
    endforeach()
    if(TARGET test_datagen)
        target_compile_definitions(test_datagen PRIVATE
                                   QUORREL_DATAGEN="$<TARGET_FILE:quorrel-datagen>")
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quorrel_content_for_tests)
