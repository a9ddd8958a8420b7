# Module rules shared by the engine stand-in and the plug-in.
#
# Every engine module is one shared library named like the engine module, with its Public folder on the
# include path of every module that depends on it. Runtime modules are also built a second time as a
# game build ("<Name>-Game": WITH_EDITOR 0, WITH_EDITORONLY_DATA 0), so code that forgot its editor
# guards fails here as it would in a packaged game.
#
# Reflected headers (UCLASS / USTRUCT / UENUM) are run through the stand-in's header tool, which writes
# X.generated.h and X.gen.cpp into the build tree, as the engine's header tool does.

set(UE_GENERATED_ROOT "${CMAKE_BINARY_DIR}/Intermediate")

# Every module's API macro expands to nothing: on Linux every symbol of a shared library is visible.
set_property(GLOBAL PROPERTY UE_ALL_MODULES "")

function(_ue_reflected_headers OUT_VAR)
	set(result "")
	foreach(header IN LISTS ARGN)
		file(STRINGS "${header}" hits REGEX "^[ \t]*(UCLASS|USTRUCT|UENUM)[ \t]*\\(")
		if(hits)
			list(APPEND result "${header}")
		endif()
	endforeach()
	set(${OUT_VAR} "${result}" PARENT_SCOPE)
endfunction()

# ue_add_module(Name
#     ROOT <folder holding Public/ and Private/>
#     TYPE Runtime|Editor|Developer|Program
#     [PUBLIC_DEPS ...] [PRIVATE_DEPS ...]            modules available in every build
#     [EDITOR_PUBLIC_DEPS ...] [EDITOR_PRIVATE_DEPS ...] modules only in editor builds
#     [SYSTEM_LIBS ...]                                 system libraries (png, z, ...)
#     [OUTPUT_NAME name])
function(ue_add_module NAME)
	cmake_parse_arguments(M "" "ROOT;TYPE;OUTPUT_NAME"
		"PUBLIC_DEPS;PRIVATE_DEPS;EDITOR_PUBLIC_DEPS;EDITOR_PRIVATE_DEPS;SYSTEM_LIBS" ${ARGN})
	if(NOT M_ROOT)
		set(M_ROOT "${CMAKE_CURRENT_SOURCE_DIR}")
	endif()

	file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${M_ROOT}/Private/*.cpp")
	if(NOT sources)
		# A module nobody has written yet; its glob above makes the build configure again once it has a source.
		return()
	endif()
	file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${M_ROOT}/Public/*.h" "${M_ROOT}/Private/*.h")
	# Every header goes through the header tool, which writes empty files for one without reflected
	# types: whether a header has any can change with an edit that adds no file.
	# (Reflected headers have names unique in their module, so a second header of the same name is not one.)
	set(reflected "")
	set(seen_names "")
	foreach(header IN LISTS headers)
		get_filename_component(base "${header}" NAME_WE)
		if(NOT base IN_LIST seen_names)
			list(APPEND seen_names "${base}")
			list(APPEND reflected "${header}")
		endif()
	endforeach()

	set(gen_dir "${UE_GENERATED_ROOT}/${NAME}")
	set(gen_sources "")
	set(gen_outputs "")
	foreach(header IN LISTS reflected)
		get_filename_component(base "${header}" NAME_WE)
		set(out_h "${gen_dir}/${base}.generated.h")
		set(out_cpp "${gen_dir}/${base}.gen.cpp")
		add_custom_command(
			OUTPUT "${out_h}" "${out_cpp}"
			COMMAND HeaderTool --module ${NAME} --header "${header}" --output "${gen_dir}"
			DEPENDS HeaderTool "${header}"
			COMMENT "Generating reflection for ${base}.h"
			VERBATIM)
		list(APPEND gen_sources "${out_cpp}")
		list(APPEND gen_outputs "${out_h}" "${out_cpp}")
	endforeach()
	if(gen_outputs)
		add_custom_target(${NAME}-Reflection DEPENDS ${gen_outputs})
	endif()

	set(variants "Editor")
	if(M_TYPE STREQUAL "Runtime")
		list(APPEND variants "Game")
	endif()

	foreach(variant IN LISTS variants)
		if(variant STREQUAL "Editor")
			set(target ${NAME})
			set(suffix "")
			set(with_editor 1)
		else()
			set(target ${NAME}-Game)
			set(suffix "-Game")
			set(with_editor 0)
		endif()

		add_library(${target} SHARED ${sources} ${gen_sources})
		if(M_OUTPUT_NAME)
			set_target_properties(${target} PROPERTIES OUTPUT_NAME "${M_OUTPUT_NAME}${suffix}")
		endif()
		if(gen_outputs)
			add_dependencies(${target} ${NAME}-Reflection)
		endif()
		target_include_directories(${target}
			PUBLIC "${M_ROOT}/Public" "${gen_dir}"
			PRIVATE "${M_ROOT}/Private")
		target_compile_definitions(${target} PUBLIC
			WITH_EDITOR=${with_editor} WITH_EDITORONLY_DATA=${with_editor}
			PRIVATE UE_MODULE_NAME="${NAME}")

		set(pub ${M_PUBLIC_DEPS})
		set(priv ${M_PRIVATE_DEPS})
		if(variant STREQUAL "Editor")
			list(APPEND pub ${M_EDITOR_PUBLIC_DEPS})
			list(APPEND priv ${M_EDITOR_PRIVATE_DEPS})
		endif()
		foreach(dep IN LISTS pub)
			_ue_variant_of(dep_target ${dep} ${variant} ${NAME})
			if(dep_target)
				target_link_libraries(${target} PUBLIC ${dep_target})
			endif()
		endforeach()
		foreach(dep IN LISTS priv)
			_ue_variant_of(dep_target ${dep} ${variant} ${NAME})
			if(dep_target)
				target_link_libraries(${target} PRIVATE ${dep_target})
			endif()
		endforeach()
		if(M_SYSTEM_LIBS)
			target_link_libraries(${target} PRIVATE ${M_SYSTEM_LIBS})
		endif()
		set_property(TARGET ${target} PROPERTY UE_MODULE_TYPE ${M_TYPE})
	endforeach()
	set_property(GLOBAL APPEND PROPERTY UE_ALL_MODULES ${NAME})
endfunction()

# The game build of a module links the game builds of its dependencies; an editor-only module has none,
# so naming one outside the editor block of a Build.cs is a configuration error, as it is for the
# engine's build tool.
function(_ue_variant_of OUT DEP VARIANT FROM)
	if(NOT TARGET ${DEP})
		# A stand-in module with no sources yet has nothing to link.
		set(${OUT} "" PARENT_SCOPE)
		return()
	endif()
	if(VARIANT STREQUAL "Editor")
		set(${OUT} ${DEP} PARENT_SCOPE)
		return()
	endif()
	get_property(dep_type TARGET ${DEP} PROPERTY UE_MODULE_TYPE)
	if(NOT dep_type STREQUAL "Runtime")
		message(FATAL_ERROR "Module ${FROM} is built for games but depends on the ${dep_type} module ${DEP}; "
			"add it only when Target.bBuildEditor")
	endif()
	set(${OUT} ${DEP}-Game PARENT_SCOPE)
endfunction()

# Reads the dependency lists of a plug-in module's <Name>.Build.cs: the module names given to
# PublicDependencyModuleNames / PrivateDependencyModuleNames (AddRange or Add), split into those
# inside an `if (Target.bBuildEditor)` block and the rest.
function(_ue_read_build_cs FILE PREFIX)
	file(READ "${FILE}" text)
	string(REGEX REPLACE "//[^\n]*" "" text "${text}")
	# ';' separates the items of a CMake list; a stand-in character keeps each statement in one piece.
	string(REPLACE ";" "`" text "${text}")
	# An editor block ends at its matching brace: it holds statements and, often, braced name lists.
	set(editor_text "")
	while(TRUE)
		string(REGEX MATCH "if[ \t\r\n]*\\([ \t\r\n]*Target\\.bBuildEditor[ \t\r\n]*\\)[ \t\r\n]*{" head "${text}")
		if(NOT head)
			break()
		endif()
		string(FIND "${text}" "${head}" start)
		string(LENGTH "${head}" pos)
		math(EXPR pos "${start} + ${pos}")
		string(LENGTH "${text}" length)
		set(depth 1)
		while(depth GREATER 0 AND pos LESS length)
			string(SUBSTRING "${text}" ${pos} 1 char)
			if(char STREQUAL "{")
				math(EXPR depth "${depth} + 1")
			elseif(char STREQUAL "}")
				math(EXPR depth "${depth} - 1")
			endif()
			math(EXPR pos "${pos} + 1")
		endwhile()
		math(EXPR block_length "${pos} - ${start}")
		string(SUBSTRING "${text}" ${start} ${block_length} block)
		string(APPEND editor_text "${block}\n")
		string(SUBSTRING "${text}" 0 ${start} before)
		string(SUBSTRING "${text}" ${pos} -1 after)
		set(text "${before}${after}")
	endwhile()
	foreach(part "" "EDITOR_")
		if(part STREQUAL "")
			set(source "${text}")
		else()
			set(source "${editor_text}")
		endif()
		foreach(kind Public Private)
			set(names "")
			string(REGEX MATCHALL "${kind}DependencyModuleNames\\.(AddRange|Add)[ \t\r\n]*\\([^`]*`" calls "${source}")
			foreach(call IN LISTS calls)
				string(REGEX MATCHALL "\"[A-Za-z0-9_]+\"" quoted "${call}")
				foreach(q IN LISTS quoted)
					string(REPLACE "\"" "" q "${q}")
					list(APPEND names "${q}")
				endforeach()
			endforeach()
			string(TOUPPER "${kind}" KIND)
			set(${PREFIX}_${part}${KIND}_DEPS "${names}" PARENT_SCOPE)
		endforeach()
	endforeach()
endfunction()

# ue_add_plugin_module(Name ROOT <Source/Name> TYPE Runtime|Editor OUTPUT_NAME <lib name>)
function(ue_add_plugin_module NAME)
	cmake_parse_arguments(P "" "ROOT;TYPE;OUTPUT_NAME" "" ${ARGN})
	_ue_read_build_cs("${P_ROOT}/${NAME}.Build.cs" BUILD)
	set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${P_ROOT}/${NAME}.Build.cs")
	ue_add_module(${NAME} ROOT "${P_ROOT}" TYPE ${P_TYPE} OUTPUT_NAME ${P_OUTPUT_NAME}
		PUBLIC_DEPS ${BUILD_PUBLIC_DEPS}
		PRIVATE_DEPS ${BUILD_PRIVATE_DEPS}
		EDITOR_PUBLIC_DEPS ${BUILD_EDITOR_PUBLIC_DEPS}
		EDITOR_PRIVATE_DEPS ${BUILD_EDITOR_PRIVATE_DEPS})
	foreach(target ${NAME} ${NAME}-Game)
		if(TARGET ${target})
			# The plug-in must build warning-free against 5.5: a deprecated engine call is an error here, and so is a
			# name that shadows another (a parameter named like a member), as in the engine's default build settings.
			target_compile_options(${target} PRIVATE -Werror=deprecated-declarations -Wshadow -Werror=shadow)
		endif()
	endforeach()
endfunction()
