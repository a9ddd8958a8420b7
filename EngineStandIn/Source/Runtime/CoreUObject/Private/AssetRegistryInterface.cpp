#include "Misc/AssetRegistryInterface.h"

namespace UE::AssetRegistry
{
	FDependencyQuery::FDependencyQuery(EDependencyQuery QueryFlags)
	{
		auto Apply = [this, QueryFlags](EDependencyQuery IfSet, EDependencyQuery IfNotSet, EDependencyProperty Property)
		{
			if (EnumHasAnyFlags(QueryFlags, IfSet))
			{
				Required |= Property;
			}
			if (EnumHasAnyFlags(QueryFlags, IfNotSet))
			{
				Excluded |= Property;
			}
		};
		Apply(EDependencyQuery::Hard, EDependencyQuery::NotHard, EDependencyProperty::Hard);
		Apply(EDependencyQuery::Game, EDependencyQuery::NotGame, EDependencyProperty::Game);
		Apply(EDependencyQuery::Build, EDependencyQuery::NotBuild, EDependencyProperty::Build);
		Apply(EDependencyQuery::Direct, EDependencyQuery::NotDirect, EDependencyProperty::Direct);
		// A propagating dependency is a hard one or one needed to build.
		if (EnumHasAnyFlags(QueryFlags, EDependencyQuery::Propagation))
		{
			RequiredUnions.Add(EDependencyProperty::Hard | EDependencyProperty::Build);
		}
	}
}
