#pragma once

#include "Delegates/Delegate.h"

// Delegate types are plain aliases of TDelegate / TMulticastDelegate, so a type declared twice is the same type.

#define DECLARE_DELEGATE(DelegateName) typedef TDelegate<void()> DelegateName;
#define DECLARE_DELEGATE_OneParam(DelegateName, Param1Type) typedef TDelegate<void(Param1Type)> DelegateName;
#define DECLARE_DELEGATE_TwoParams(DelegateName, Param1Type, Param2Type)                                               \
	typedef TDelegate<void(Param1Type, Param2Type)> DelegateName;
#define DECLARE_DELEGATE_ThreeParams(DelegateName, Param1Type, Param2Type, Param3Type)                                 \
	typedef TDelegate<void(Param1Type, Param2Type, Param3Type)> DelegateName;
#define DECLARE_DELEGATE_FourParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type)                      \
	typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type)> DelegateName;
#define DECLARE_DELEGATE_FiveParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)          \
	typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)> DelegateName;
#define DECLARE_DELEGATE_SixParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type,           \
								   Param6Type)                                                                         \
	typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type)> DelegateName;
#define DECLARE_DELEGATE_RetVal(ReturnValueType, DelegateName) typedef TDelegate<ReturnValueType()> DelegateName;
#define DECLARE_DELEGATE_RetVal_OneParam(ReturnValueType, DelegateName, Param1Type)                                    \
	typedef TDelegate<ReturnValueType(Param1Type)> DelegateName;
#define DECLARE_DELEGATE_RetVal_TwoParams(ReturnValueType, DelegateName, Param1Type, Param2Type)                       \
	typedef TDelegate<ReturnValueType(Param1Type, Param2Type)> DelegateName;
#define DECLARE_DELEGATE_RetVal_ThreeParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type)         \
	typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type)> DelegateName;
#define DECLARE_DELEGATE_RetVal_FourParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type,          \
										   Param4Type)                                                                 \
	typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type)> DelegateName;
#define DECLARE_DELEGATE_RetVal_FiveParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type,          \
										   Param4Type, Param5Type)                                                     \
	typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)> DelegateName;
#define DECLARE_DELEGATE_RetVal_SixParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type,           \
										  Param4Type, Param5Type, Param6Type)                                          \
	typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type)>         \
		DelegateName;
#define DECLARE_MULTICAST_DELEGATE(DelegateName) typedef TMulticastDelegate<void()> DelegateName;
#define DECLARE_MULTICAST_DELEGATE_OneParam(DelegateName, Param1Type)                                                  \
	typedef TMulticastDelegate<void(Param1Type)> DelegateName;
#define DECLARE_MULTICAST_DELEGATE_TwoParams(DelegateName, Param1Type, Param2Type)                                     \
	typedef TMulticastDelegate<void(Param1Type, Param2Type)> DelegateName;
#define DECLARE_MULTICAST_DELEGATE_ThreeParams(DelegateName, Param1Type, Param2Type, Param3Type)                       \
	typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type)> DelegateName;
#define DECLARE_MULTICAST_DELEGATE_FourParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type)            \
	typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type)> DelegateName;
#define DECLARE_MULTICAST_DELEGATE_FiveParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type,            \
											  Param5Type)                                                              \
	typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)> DelegateName;
#define DECLARE_MULTICAST_DELEGATE_SixParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, \
											 Param6Type)                                                               \
	typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type)>           \
		DelegateName;

// Events are multicast delegates their owner declares; here any holder may broadcast them.
#define DECLARE_EVENT(OwningType, EventName)                                                                           \
	class EventName : public TMulticastDelegate<void()>                                                                \
	{                                                                                                                  \
		friend class OwningType;                                                                                       \
	};
#define DECLARE_EVENT_OneParam(OwningType, EventName, Param1Type)                                                      \
	class EventName : public TMulticastDelegate<void(Param1Type)>                                                      \
	{                                                                                                                  \
		friend class OwningType;                                                                                       \
	};
#define DECLARE_EVENT_TwoParams(OwningType, EventName, Param1Type, Param2Type)                                         \
	class EventName : public TMulticastDelegate<void(Param1Type, Param2Type)>                                          \
	{                                                                                                                  \
		friend class OwningType;                                                                                       \
	};
#define DECLARE_EVENT_ThreeParams(OwningType, EventName, Param1Type, Param2Type, Param3Type)                           \
	class EventName : public TMulticastDelegate<void(Param1Type, Param2Type, Param3Type)>                              \
	{                                                                                                                  \
		friend class OwningType;                                                                                       \
	};
#define DECLARE_EVENT_FourParams(OwningType, EventName, Param1Type, Param2Type, Param3Type, Param4Type)                \
	class EventName : public TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type)>                  \
	{                                                                                                                  \
		friend class OwningType;                                                                                       \
	};
#define DECLARE_EVENT_FiveParams(OwningType, EventName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)    \
	class EventName : public TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)>      \
	{                                                                                                                  \
		friend class OwningType;                                                                                       \
	};
#define DECLARE_EVENT_SixParams(OwningType, EventName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type,     \
								Param6Type)                                                                            \
	class EventName                                                                                                    \
		: public TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type)>      \
	{                                                                                                                  \
		friend class OwningType;                                                                                       \
	};

DECLARE_DELEGATE(FSimpleDelegate);
DECLARE_MULTICAST_DELEGATE(FSimpleMulticastDelegate);
