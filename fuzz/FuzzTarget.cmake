# faultwise_fuzz_target(<name> <source>): one fuzz target over the core. It links libFuzzer in the
# fuzz preset; otherwise a plain main that replays files, and the ordinary test run replays the
# sample dumps through it.
function(faultwise_fuzz_target name source)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE faultwise_core)
    if(FAULTWISE_LIBFUZZER)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    else()
        target_sources(${name} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ReplayMain.cpp)
        if(FAULTWISE_BUILD_TESTS)
            add_test(NAME ${name}_samples COMMAND ${name} ${PROJECT_SOURCE_DIR}/samples)
        endif()
    endif()
endfunction()
